#pragma once
// Finds a window's widgets and actions by their object names, as a user finds them by what they
// show: tests act on a window only through its verbs and through what it shows. A name that is
// missing fails the test rather than handing back a null pointer to crash on.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

template <typename T>
T *Named(const QObject &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no " << name << " in " << window.objectName().toStdString();
    return found;
}

template <typename T>
QList<T *> AllNamed(const QObject &window, std::initializer_list<const char *> names)
{
    QList<T *> found;
    for (const char *name : names)
        found << Named<T>(window, name);
    return found;
}

inline QLineEdit *Field(const QObject &window, const char *name) { return Named<QLineEdit>(window, name); }
inline QPushButton *Button(const QObject &window, const char *name) { return Named<QPushButton>(window, name); }
inline QAction *Action(const QObject &window, const char *name) { return Named<QAction>(window, name); }
