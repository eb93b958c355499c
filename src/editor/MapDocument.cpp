#include "editor/MapDocument.h"

#include <QFile>

#include <utility>

#include "core/MapFile.h"
#include "editor/MapLineModel.h"
#include "imagelib/SafeSaveFile.h"

MapDocument::MapDocument(QObject *parent) : QObject(parent), lines_(new MapLineModel(this)) {}

const std::vector<std::string> &MapDocument::Lines() const
{
    return lines_->Lines();
}

std::string MapDocument::LineAt(int index) const
{
    return lines_->LineAt(index);
}

int MapDocument::LineCount() const
{
    return lines_->rowCount();
}

std::optional<MapDocument::MapText> MapDocument::ReadSideFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::string bytes = file.readAll().toStdString();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return MapText{vemo::SplitMapFileText(bytes), TextCodec::ForSideFile(bytes)};
}

void MapDocument::Load(const QString &picturePath, const QString &mapFilePath, const QString &mapName, MapText text)
{
    picturePath_ = picturePath;
    mapFilePath_ = mapFilePath;
    mapName_ = mapName;
    border_ = 0;
    codec_ = text.codec;
    lines_->SetTextCodec(text.codec);
    lines_->SetLines(std::move(text.lines));
    modified_ = false;
}

void MapDocument::Close()
{
    lines_->SetLines({});
    modified_ = false;
}

bool MapDocument::Save()
{
    // Written beside the old file and renamed over it, so a failed write never loses the old one.
    if (!SafeSaveFile::Replace(mapFilePath_, QByteArray::fromStdString(vemo::JoinMapFileLines(Lines()))))
        return false;
    modified_ = false;
    return true;
}

void MapDocument::InsertLine(int index, const std::string &line)
{
    lines_->InsertLine(index, line);
    Touch();
}

void MapDocument::ReplaceLine(int index, const std::string &line)
{
    lines_->SetLineAt(index, line);
    Touch();
}

void MapDocument::RemoveLine(int index)
{
    lines_->RemoveLine(index);
    Touch();
}

void MapDocument::ReplaceImageAndMapLines(const std::string &imageLine, const std::string &mapStartLine)
{
    lines_->RemoveLine(0);
    lines_->RemoveLine(0);
    lines_->InsertLine(0, imageLine);
    lines_->InsertLine(1, mapStartLine);
    Touch();
}

void MapDocument::MarkModified()
{
    Touch();
}

void MapDocument::KeepImageProperties(int border, const QString &mapName)
{
    border_ = border;
    mapName_ = mapName;
}

void MapDocument::Touch()
{
    modified_ = true;
    emit Changed();
}
