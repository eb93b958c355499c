<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Vemo-Editor  HTML image map editor</source>
        <translation>Vemo-Editor  HTML イメージマップエディター</translation>
    </message>
    <message>
        <source>Pictures are read with Qt and GraphicsMagick.</source>
        <translation>画像の読み込みには Qt と GraphicsMagick を使っています。</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>AreaDialog</name>
    <message>
        <source> Link File </source>
        <translation> リンク先ファイル </translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source> ALT Text </source>
        <translation> ALT テキスト </translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>This region reaches outside the picture (%1 x %2)</source>
        <translation>この領域は画像 (%1 x %2) の外にはみ出しています</translation>
    </message>
    <message>
        <source> Title (Tooltip) </source>
        <translation> タイトル (ツールチップ) </translation>
    </message>
    <message>
        <source> Target </source>
        <translation> ターゲット </translation>
    </message>
</context>
<context>
    <name>AreaEditor</name>
    <message>
        <source>The polygon being drawn was given up</source>
        <translation>描きかけの多角形をやめました</translation>
    </message>
    <message>
        <source>The coordinates of this line do not read; Edit opens them to be mended</source>
        <translation>この行の座標は読めません。「Edit」で開いて直してください</translation>
    </message>
    <message>
        <source>Set or cancel the area being edited before choosing another one</source>
        <translation>編集中の領域を「Set」か「Cancel」で終えてから、ほかの領域を選んでください</translation>
    </message>
</context>
<context>
    <name>AreaGroupCommands</name>
    <message>
        <source>Delete Areas</source>
        <translation>領域の削除</translation>
    </message>
    <message>
        <source>Move Areas</source>
        <translation>領域の移動</translation>
    </message>
    <message>
        <source>Arrange Areas</source>
        <translation>領域の整列</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>The pasted text holds more than %1 areas; none was pasted.</source>
        <translation>貼り付けるテキストには %1 個を超える領域があります。何も貼り付けませんでした。</translation>
    </message>
    <message>
        <source>Paste Areas</source>
        <translation>領域の貼り付け</translation>
    </message>
    <message>
        <source>Pasted %1 areas</source>
        <translation>%1 個の領域を貼り付けました</translation>
    </message>
    <message>
        <source>The clipboard holds no area to paste.</source>
        <translation>クリップボードに貼り付けられる領域がありません。</translation>
    </message>
    <message>
        <source>These lines of the pasted text hold no area:</source>
        <translation>貼り付けたテキストの次の行には領域がありません:</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>and %1 more not listed</source>
        <translation>ほか %1 件は省略しました</translation>
    </message>
    <message>
        <source>These areas could not be taken over as they were:</source>
        <translation>次の領域はそのままでは引き継げませんでした:</translation>
    </message>
    <message>
        <source>The pasted text has an area of more than %1 bytes, too long to paste; none was pasted.</source>
        <translation>貼り付けるテキストに %1 バイトを超える領域があり、長すぎて貼り付けられません。何も貼り付けませんでした。</translation>
    </message>
</context>
<context>
    <name>BrowserOpener</name>
    <message>
        <source>xdg-open stopped abnormally.</source>
        <translation>xdg-open が異常終了しました。</translation>
    </message>
    <message>
        <source>xdg-open ended with exit code %1.</source>
        <translation>xdg-open が終了コード %1 で終わりました。</translation>
    </message>
    <message>
        <source>No browser opened: %1</source>
        <translation>ブラウザを開けませんでした: %1</translation>
    </message>
    <message>
        <source>No browser could be opened.<byte value="xd"/>
Please open %1 yourself.</source>
        <translation>ブラウザを開けませんでした。<byte value="xd"/>
%1 をご自分で開いてください。</translation>
    </message>
</context>
<context>
    <name>CircleDialog</name>
    <message>
        <source>Circle Setting</source>
        <translation>円の設定</translation>
    </message>
    <message>
        <source>Rect</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source> Center </source>
        <translation> 中心 </translation>
    </message>
    <message>
        <source> Radius </source>
        <translation> 半径 </translation>
    </message>
</context>
<context>
    <name>DefaultAreaDialog</name>
    <message>
        <source>Default Area Setting</source>
        <translation>既定の領域の設定</translation>
    </message>
    <message>
        <source> Area </source>
        <translation> 領域 </translation>
    </message>
    <message>
        <source>Clicks that hit no other area go to this link.</source>
        <translation>ほかのどの領域にも当たらないクリックは、このリンクへ行きます。</translation>
    </message>
</context>
<context>
    <name>FindingListModel</name>
    <message>
        <source>Line %1: the coordinates are not numbers</source>
        <translation>%1 行目: 座標が数として読めません</translation>
    </message>
    <message>
        <source>Line %1: the area is empty (x1 &lt; x0, y1 &lt; y0 or r &lt;= 0)</source>
        <translation>%1 行目: 領域が空です (x1 &lt; x0, y1 &lt; y0 または r ≦ 0)</translation>
    </message>
    <message>
        <source>Line %1: the polygon has fewer than three different points</source>
        <translation>%1 行目: 多角形の点が 3 つ未満です</translation>
    </message>
    <message>
        <source>Line %1: the polygon&apos;s edges cross</source>
        <translation>%1 行目: 多角形の辺が交差しています</translation>
    </message>
    <message>
        <source>Line %1: the area lies outside the picture</source>
        <translation>%1 行目: 領域が画像の外にあります</translation>
    </message>
    <message>
        <source>Line %1: the area lies partly outside the picture</source>
        <translation>%1 行目: 領域の一部が画像の外にあります</translation>
    </message>
    <message>
        <source>Line %1: the same area as line %2</source>
        <translation>%1 行目: %2 行目と同じ領域です</translation>
    </message>
    <message>
        <source>Line %1: hidden under line %2, so the browser never reaches it</source>
        <translation>%1 行目: %2 行目の領域に隠れていてクリックできません</translation>
    </message>
    <message>
        <source>Line %1: a link without ALT text, which screen readers cannot name</source>
        <translation>%1 行目: リンクに ALT がなく、読み上げソフトが名前を言えません</translation>
    </message>
    <message>
        <source>Line %1: the map name is empty or holds spaces</source>
        <translation>%1 行目: マップ名が空か、空白を含みます</translation>
    </message>
    <message>
        <source>Line %1: WIDTH and HEIGHT are not the picture&apos;s size</source>
        <translation>%1 行目: WIDTH と HEIGHT が画像の大きさと違います</translation>
    </message>
    <message>
        <source>Line %1: the default area is not the last, so the areas after it are never reached</source>
        <translation>%1 行目: 既定の領域が最後になく、後の領域がクリックできません</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>問題は見つかりませんでした。</translation>
    </message>
    <message>
        <source>Line %1: ALT text on an area without HREF, which HTML does not allow</source>
        <translation>%1 行目: HREF のない領域に ALT があります（HTML では使えません）</translation>
    </message>
    <message>
        <source>Line %1: TARGET on an area without HREF, which HTML does not allow</source>
        <translation>%1 行目: HREF のない領域に TARGET があります（HTML では使えません）</translation>
    </message>
    <message>
        <source>Line %1: USEMAP does not name this map exactly (case included)</source>
        <translation>%1 行目: USEMAP がこのマップ名と（大文字小文字まで）一致しません</translation>
    </message>
</context>
<context>
    <name>ImagePropertiesDialog</name>
    <message>
        <source>Image Property</source>
        <translation>画像のプロパティ</translation>
    </message>
    <message>
        <source>Image File</source>
        <translation>画像ファイル</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Border Size:</source>
        <translation>枠の太さ:</translation>
    </message>
    <message>
        <source>Map Name:</source>
        <translation>マップ名:</translation>
    </message>
    <message>
        <source>ALT value:</source>
        <translation>ALT の値:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open Graphic</source>
        <translation>画像を開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Close </source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Import Map from Page...</source>
        <translation>ページからマップを取り込む(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Save Source</source>
        <translation>ソースを保存(&amp;S)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>クリップボードにコピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Edit select item</source>
        <translation>選択行を編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete select item</source>
        <translation>選択行を削除(&amp;D)</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>上へ移動(&amp;P)</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下へ移動(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Image Property</source>
        <translation>画像のプロパティ(&amp;I)</translation>
    </message>
    <message>
        <source>Chec&amp;k Map</source>
        <translation>マップを検査(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Test Image Map</source>
        <translation>イメージマップをテスト(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>作成(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;RECT Map</source>
        <translation>矩形マップ(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;CIRC Map</source>
        <translation>円形マップ(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;POLY Map</source>
        <translation>多角形マップ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Default Area</source>
        <translation>既定の領域(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Font (HTML Source)</source>
        <translation>フォント (HTML ソース)(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Color (Map Shape)</source>
        <translation>色 (マップの図形)(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Topics</source>
        <translation>目次(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit this line</source>
        <translation>この行を編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete this line</source>
        <translation>この行を削除(&amp;D)</translation>
    </message>
    <message>
        <source>Test Image Map</source>
        <translation>イメージマップをテスト</translation>
    </message>
    <message>
        <source>&amp;Font Change</source>
        <translation>フォントの変更(&amp;F)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>RECT</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>CIRC</source>
        <translation>円形</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>テスト</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%2 の %1</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
    <message>
        <source>This region is not set yet!!<byte value="xd"/>
Do you set it now?</source>
        <translation>領域がまだ設定されていません。<byte value="xd"/>
今ここで設定しますか？</translation>
    </message>
    <message>
        <source>This image map is changed!!<byte value="xd"/>
Do you save now?</source>
        <translation>イメージマップに変更が加えられました。<byte value="xd"/>
今ここで保存しますか？</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 に保存しました</translation>
    </message>
    <message>
        <source>Copied %1 lines to the clipboard</source>
        <translation>%1 行をクリップボードにコピーしました</translation>
    </message>
    <message>
        <source>Click the polygon&apos;s corners on the picture; a double click, Enter or a click on the first corner closes it, Esc gives it up.</source>
        <translation>画像の上で多角形の頂点をクリックしてください。ダブルクリック、Enter または最初の点のクリックで閉じ、Esc でやめます。</translation>
    </message>
    <message>
        <source>The map check found %1 problems.<byte value="xd"/>
Do you see them before the test?</source>
        <translation>マップの検査で %1 件の問題が見つかりました。<byte value="xd"/>
テストの前に一覧を見ますか？</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a link or not a regular file</source>
        <translation>%1 はリンクか通常のファイルではないため書き込めません</translation>
    </message>
    <message>
        <source>Help pages not found: %1</source>
        <translation>ヘルプが見つかりません: %1</translation>
    </message>
    <message>
        <source>BASE</source>
        <translation>基準</translation>
    </message>
    <message>
        <source>All Picture|*.GIF;*.JPG;*.BMP;*.PCX;*.JIF;*.DIB;*.RLE;*.TGA;*.PNG;*.WEBP|Picture(GIF)|*.GIF|Picture(JPEG)|*.JPG|Picture(BMP)|*.BMP|Picture(PNG)|*.PNG|Picture(WebP)|*.WEBP</source>
        <translation>すべての画像|*.GIF;*.JPG;*.BMP;*.PCX;*.JIF;*.DIB;*.RLE;*.TGA;*.PNG;*.WEBP|画像(GIF)|*.GIF|画像(JPEG)|*.JPG|画像(BMP)|*.BMP|画像(PNG)|*.PNG|画像(WebP)|*.WEBP</translation>
    </message>
    <message>
        <source>&amp;Keep PNG and WebP</source>
        <translation>PNG と WebP をそのまま使う(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Export Map to Page...</source>
        <translation>マップをページに書き出す(&amp;E)...</translation>
    </message>
    <message>
        <source>Export SVG Overla&amp;y...</source>
        <translation>SVG オーバーレイの書き出し(&amp;Y)...</translation>
    </message>
    <message>
        <source>Con&amp;vert to HTML5</source>
        <translation>HTML5 に変換(&amp;V)</translation>
    </message>
    <message>
        <source>Con&amp;vert to Classic</source>
        <translation>クラシックに変換(&amp;V)</translation>
    </message>
    <message>
        <source>Output &amp;Style</source>
        <translation>出力形式(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>クラシック(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;HTML5</source>
        <translation>HTML5(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Responsive Output</source>
        <translation>レスポンシブ出力(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Trace Area</source>
        <translation>領域をトレース(&amp;T)</translation>
    </message>
    <message>
        <source>Click a region of the picture to make an area of its outline; the tolerance is beside the zoom, Esc ends tracing.</source>
        <translation>画像の領域をクリックすると、その輪郭からマップを作ります。許容差はズームの左で変えられ、Esc でトレースを終わります。</translation>
    </message>
    <message>
        <source>Select All Areas</source>
        <translation>すべての領域を選択</translation>
    </message>
    <message>
        <source>Cop&amp;y Areas</source>
        <translation>領域をコピー(&amp;Y)</translation>
    </message>
    <message>
        <source>Pa&amp;ste Areas</source>
        <translation>領域を貼り付け(&amp;S)</translation>
    </message>
    <message>
        <source>Dup&amp;licate</source>
        <translation>複製(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>グリッド(&amp;G)</translation>
    </message>
    <message>
        <source>Align &amp;Left</source>
        <translation>左揃え(&amp;L)</translation>
    </message>
    <message>
        <source>Align &amp;Right</source>
        <translation>右揃え(&amp;R)</translation>
    </message>
    <message>
        <source>Align &amp;Top</source>
        <translation>上揃え(&amp;T)</translation>
    </message>
    <message>
        <source>Align &amp;Bottom</source>
        <translation>下揃え(&amp;B)</translation>
    </message>
    <message>
        <source>Align &amp;Horizontal Centres</source>
        <translation>左右中央揃え(&amp;H)</translation>
    </message>
    <message>
        <source>Align &amp;Vertical Centres</source>
        <translation>上下中央揃え(&amp;V)</translation>
    </message>
    <message>
        <source>Same &amp;Width</source>
        <translation>幅を揃える(&amp;W)</translation>
    </message>
    <message>
        <source>Same H&amp;eight</source>
        <translation>高さを揃える(&amp;E)</translation>
    </message>
    <message>
        <source>Same &amp;Size</source>
        <translation>サイズを揃える(&amp;S)</translation>
    </message>
    <message>
        <source>Distribute &amp;Across</source>
        <translation>左右に等間隔に配置(&amp;A)</translation>
    </message>
    <message>
        <source>Distribute &amp;Down</source>
        <translation>上下に等間隔に配置(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Arrange</source>
        <translation>整列(&amp;A)</translation>
    </message>
    <message>
        <source>Copied the selected areas to the clipboard</source>
        <translation>選んだ領域をクリップボードにコピーしました</translation>
    </message>
</context>
<context>
    <name>MapCheckWindow</name>
    <message>
        <source>Check Map</source>
        <translation>マップの検査</translation>
    </message>
</context>
<context>
    <name>MapDocument</name>
    <message>
        <source>New Area</source>
        <translation>新しい領域</translation>
    </message>
    <message>
        <source>Edit Area</source>
        <translation>領域の編集</translation>
    </message>
    <message>
        <source>Delete Area</source>
        <translation>領域の削除</translation>
    </message>
    <message>
        <source>Move Area Up</source>
        <translation>領域を上へ移動</translation>
    </message>
    <message>
        <source>Move Area Down</source>
        <translation>領域を下へ移動</translation>
    </message>
    <message>
        <source>Image Property</source>
        <translation>画像のプロパティ</translation>
    </message>
    <message>
        <source>Import Map</source>
        <translation>マップの取り込み</translation>
    </message>
    <message>
        <source>Line %1 holds bytes that are no text in the map&apos;s encoding, so the map cannot become UTF-8.</source>
        <translation>%1 行目にマップの文字コードで読めないバイトがあるため、マップを UTF-8 にできません。</translation>
    </message>
    <message>
        <source>Convert to HTML5</source>
        <translation>HTML5 に変換</translation>
    </message>
    <message>
        <source>Convert to Classic</source>
        <translation>クラシックに変換</translation>
    </message>
</context>
<context>
    <name>MessageDialogs</name>
    <message>
        <source>Unknown failure</source>
        <translation>原因不明のエラー</translation>
    </message>
</context>
<context>
    <name>PageExporter</name>
    <message>
        <source>The map has no name; give it one with Image Property first.</source>
        <translation>マップに名前がありません。先に画像のプロパティで名前を付けてください。</translation>
    </message>
    <message>
        <source>The page %1 has more than one map named %2, so it is not clear which one to replace. The page was left as it was.</source>
        <translation>ページ %1 には %2 という名前のマップが複数あり、どれを置き換えるか決められません。ページは元のままです。</translation>
    </message>
    <message>
        <source>The page %1 has neither a map named %2 nor an image of %3 to put the map after. The page was left as it was.</source>
        <translation>ページ %1 には、%2 という名前のマップも、マップを後ろに入れる %3 の画像もありません。ページは元のままです。</translation>
    </message>
    <message>
        <source>The page %1 shows %2 more than once with different maps, so it is not clear which one to change. The page was left as it was.</source>
        <translation>ページ %1 は %2 を違うマップで何度も表示しているので、どれを変えるか決められません。ページは元のままです。</translation>
    </message>
    <message>
        <source>Lines %1 to %2: the map %3, in place of the page&apos;s map of that name (lines %4 to %5 before)</source>
        <translation>%1～%2 行目: マップ %3 (同じ名前のページのマップと置き換え。元は %4～%5 行目)</translation>
    </message>
    <message>
        <source>Lines %1 to %2: the map %3, after the picture</source>
        <translation>%1～%2 行目: マップ %3 (画像の後ろに追加)</translation>
    </message>
    <message>
        <source>Line %1: the picture was given a usemap naming the map</source>
        <translation>%1 行目: 画像にマップを指す usemap を付けました</translation>
    </message>
    <message>
        <source>Line %1: the picture&apos;s usemap now names the map</source>
        <translation>%1 行目: 画像の usemap がマップを指すようにしました</translation>
    </message>
    <message>
        <source>Line %1: the script that scales the areas with the shown picture</source>
        <translation>%1 行目: 表示される画像に合わせて領域を拡大縮小するスクリプト</translation>
    </message>
    <message>
        <source>Export Map to Page</source>
        <translation>マップをページに書き出す</translation>
    </message>
    <message>
        <source>HTML (*.htm *.html *.HTM *.HTML)</source>
        <translation>HTML ファイル (*.htm *.html *.HTM *.HTML)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The page %1 is missing or is not a regular file.</source>
        <translation>ページ %1 がないか、通常のファイルではありません。</translation>
    </message>
    <message>
        <source>The page %1 cannot be read: %2</source>
        <translation>ページ %1 を読めません: %2</translation>
    </message>
    <message>
        <source>The page %1 is too large</source>
        <translation>ページ %1 は大きすぎます</translation>
    </message>
    <message>
        <source>The page %1 is neither UTF-8 nor Shift-JIS, and the map holds characters outside ASCII that could not be written into it. The page was left as it was.</source>
        <translation>ページ %1 は UTF-8 でも Shift-JIS でもないので、マップの ASCII 以外の文字を書き込めません。ページは元のままです。</translation>
    </message>
    <message>
        <source>The page %1 already holds the map %2 as it is; it was left unchanged.</source>
        <translation>ページ %1 にはマップ %2 がこのまま入っているので、変えませんでした。</translation>
    </message>
    <message>
        <source>The page %1 cannot be written: %2. It was left as it was.</source>
        <translation>ページ %1 に書き込めません: %2。ページは元のままです。</translation>
    </message>
    <message>
        <source>Exported the map %1 to %2</source>
        <translation>マップ %1 を %2 に書き出しました</translation>
    </message>
    <message>
        <source>The map %1 was written into %2:</source>
        <translation>マップ %1 を %2 に書き込みました:</translation>
    </message>
</context>
<context>
    <name>PageImporter</name>
    <message>
        <source>Line %1: the attribute %2 was left out</source>
        <translation>%1 行目: 属性 %2 は取り込めないので外しました</translation>
    </message>
    <message>
        <source>Line %1: no link; written as HREF=&quot;&quot;, which links to the page itself</source>
        <translation>%1 行目: リンクがないので HREF=&quot;&quot; にしました</translation>
    </message>
    <message>
        <source>Line %1: the percentages in %2 were taken as pixels</source>
        <translation>%1 行目: %2 の座標を画素として取り込みました</translation>
    </message>
    <message>
        <source>Line %1: the fractions in %2 were cut off</source>
        <translation>%1 行目: %2 の座標の小数部を切り捨てました</translation>
    </message>
    <message>
        <source>Line %1: the coordinates &quot;%2&quot; make no such shape; please mend them</source>
        <translation>%1 行目: 座標 &quot;%2&quot; がこの形になりません。直してください</translation>
    </message>
    <message>
        <source>Line %1: the unknown shape %2 was taken as a rectangle</source>
        <translation>%1 行目: 形 %2 を知らないので矩形にしました</translation>
    </message>
    <message>
        <source>Line %1: a second default area was left out</source>
        <translation>%1 行目: 2 つ目の既定の領域は取り込みませんでした</translation>
    </message>
    <message>
        <source>Line %1: the default area was moved to the end</source>
        <translation>%1 行目: 既定の領域を最後に移しました</translation>
    </message>
    <message>
        <source>Line %1: too many attributes; the last %2 were left out unread</source>
        <translation>%1 行目: 属性が多すぎるので、残りの %2 個は読まずに外しました</translation>
    </message>
    <message>
        <source>Import Map from Page</source>
        <translation>ページからマップを取り込む</translation>
    </message>
    <message>
        <source>HTML (*.htm *.html *.HTM *.HTML)</source>
        <translation>HTML ファイル (*.htm *.html *.HTM *.HTML)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The page %1 cannot be read: %2</source>
        <translation>ページ %1 を読めません: %2</translation>
    </message>
    <message>
        <source>The page %1 is too large</source>
        <translation>ページ %1 は大きすぎます</translation>
    </message>
    <message>
        <source>The page %1 holds more than %2 maps or pictures with a map</source>
        <translation>ページ %1 には %2 個を超えるマップか、マップを使う画像があります</translation>
    </message>
    <message>
        <source>The page %1 holds no image map.</source>
        <translation>ページ %1 にはイメージマップがありません。</translation>
    </message>
    <message>
        <source>The map %1 has more than %2 areas; at most %2 can be imported.</source>
        <translation>マップ %1 には %2 個を超える領域があります。取り込めるのは %2 個までです。</translation>
    </message>
    <message>
        <source>The map %1 has an area of more than %2 bytes, too long to import.</source>
        <translation>マップ %1 には %2 バイトを超える領域があり、長すぎて取り込めません。</translation>
    </message>
    <message>
        <source>Imported %1 areas from %2</source>
        <translation>%2 から %1 個の領域を取り込みました</translation>
    </message>
    <message>
        <source>Imported %2 areas from the map %1. These could not be taken over as they were:</source>
        <translation>マップ %1 から %2 個の領域を取り込みました。次の点はそのままでは取り込めませんでした:</translation>
    </message>
    <message>
        <source>and %1 more (see Details)</source>
        <translation>ほか %1 件 (詳細を見てください)</translation>
    </message>
    <message>
        <source>and %1 more not listed</source>
        <translation>ほか %1 件は省略しました</translation>
    </message>
    <message>
        <source>%1 (%2 areas, line %3)</source>
        <translation>%1 (%2 個の領域, %3 行目)</translation>
    </message>
    <message>
        <source>Map to import:</source>
        <translation>取り込むマップ:</translation>
    </message>
    <message>
        <source>Import Map</source>
        <translation>マップの取り込み</translation>
    </message>
    <message>
        <source>The page names the map or the picture otherwise than the open map:</source>
        <translation>ページでのマップや画像の名前が、開いているマップと違います:</translation>
    </message>
    <message>
        <source>Map name: %1 in the page, %2 here</source>
        <translation>マップ名: ページでは %1、こちらでは %2</translation>
    </message>
    <message>
        <source>Picture ALT: %1 in the page, %2 here</source>
        <translation>画像の ALT: ページでは %1、こちらでは %2</translation>
    </message>
    <message>
        <source>Take the page&apos;s names?</source>
        <translation>ページの名前を使いますか?</translation>
    </message>
</context>
<context>
    <name>PictureOpener</name>
    <message>
        <source>Cannot load this Graphic file!</source>
        <translation>画像ファイルが読み込めませんでした。</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>%1 が読み込めません</translation>
    </message>
    <message>
        <source>%1 already exists!<byte value="xd"/>
Do you replace it with the converted picture?</source>
        <translation>%1 は既に存在します。<byte value="xd"/>
変換した画像で上書きしますか？</translation>
    </message>
</context>
<context>
    <name>PolygonDialog</name>
    <message>
        <source>Polygon Setting</source>
        <translation>多角形の設定</translation>
    </message>
    <message>
        <source> Points </source>
        <translation> 頂点 </translation>
    </message>
    <message>
        <source>A polygon&apos;s coordinates must come in x,y pairs</source>
        <translation>多角形の座標は x,y の組で書いてください</translation>
    </message>
    <message>
        <source>A polygon needs at least three points</source>
        <translation>多角形には 3 つ以上の点が要ります</translation>
    </message>
    <message>
        <source>The polygon coordinate &apos;%1&apos; is not a whole number</source>
        <translation>多角形の座標 &apos;%1&apos; は整数ではありません</translation>
    </message>
</context>
<context>
    <name>RecentPictureMenu</name>
    <message>
        <source>%1 is no longer there; it is taken off the list.</source>
        <translation>%1 はもうありません。一覧から外します。</translation>
    </message>
</context>
<context>
    <name>RectangleDialog</name>
    <message>
        <source>Rect Setting</source>
        <translation>矩形の設定</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>円</translation>
    </message>
    <message>
        <source> From </source>
        <translation> 始点 </translation>
    </message>
    <message>
        <source> To </source>
        <translation> 終点 </translation>
    </message>
</context>
<context>
    <name>SvgOverlayExporter</name>
    <message>
        <source>Export SVG Overlay</source>
        <translation>SVG オーバーレイの書き出し</translation>
    </message>
    <message>
        <source>SVG (*.svg)</source>
        <translation>SVG (*.svg)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>SVG overlay written: %1</source>
        <translation>SVG オーバーレイを書き出しました: %1</translation>
    </message>
</context>
<context>
    <name>TraceMode</name>
    <message>
        <source>Tolerance </source>
        <translation>許容差 </translation>
    </message>
    <message>
        <source>How far a pixel&apos;s colour may be from the clicked colour (0 to 255)</source>
        <translation>クリックした色とどれだけ違う色の画素まで含めるか (0～255)</translation>
    </message>
</context>
</TS>
