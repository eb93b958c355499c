#pragma once
// A whole editor (image library, map document, windows) over a scratch folder, for widget tests.
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>

#include "QtPrinters.h"
#include "WidgetLookup.h"
#include "app/EditorApp.h"
#include "editor/MainWindow.h"
#include "editor/MapDocument.h"
#include "editor/ToolStrip.h"
#include "editor/MapListBox.h"
#include "editor/ViewWindow.h"

class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        environment.programPath = Path("vemo-editor");
        environment.userConfigFolder = Path("config/Vemo-Editor");
        environment.logicalDpi = 96;
    }

    // Builds the editor; tests adjust `environment` (and the settings file) before.
    void Start() { editor = std::make_unique<EditorApp>(environment); }

    QString Path(const QString &name) const { return dir.filePath(name); }
    MainWindow &Main() { return editor->Main(); }
    // The main window's line list and tool buttons, found by name.
    MapListBox *List() { return Named<MapListBox>(Main(), "lineList"); }
    PanelButton *ToolButton(const char *name) { return Named<PanelButton>(Main(), name); }
    MapDocument &Document() { return editor->Document(); }
    QStringList ListLines()
    {
        QStringList lines;
        for (const std::string &line : Document().Lines())
            lines << QString::fromStdString(line);
        return lines;
    }

    QTemporaryDir dir;
    StartupEnvironment environment;
    std::unique_ptr<EditorApp> editor;
};
