#pragma once
// Finds the controls of a main window by name, as a person would find them
// by their captions.

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "main_window.h"
#include "text_label.h"

class WindowProbe {
    using MainWindow = morvane::MainWindow;

public:
    explicit WindowProbe(MainWindow& window) : window_(window) {}

    template <typename T = QWidget>
    T* control(const char* name) const
    {
        T* found = window_.findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control named %s", name);
        return found;
    }
    QString labelText(const char* name) const { return control<morvane::TextLabel>(name)->text(); }
    void type(const char* editName, const QString& text) const
    {
        control<QLineEdit>(editName)->setText(text);
    }
    void pressRecalculate() const
    {
        QTest::mouseClick(control<QPushButton>("BitBtn1"), Qt::LeftButton);
    }

private:
    MainWindow& window_;
};
