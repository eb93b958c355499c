#pragma once
// The default area dialog: the link and ALT text of the area that takes every click no other area
// of the map takes. It has no coordinates and no shape on the picture.
#include "editor/AreaDialog.h"

class DefaultAreaDialog : public AreaDialog {
    Q_OBJECT
public:
    DefaultAreaDialog(EditedArea &area, ViewWindow &view, MapDocument &document, QWidget &standIn);

protected:
    std::string AreaLine() const override;
};
