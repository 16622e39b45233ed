#pragma once
// Finds the controls of a main window by name, as a person would find them
// by their captions.

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "localised_number_text.h"
#include "main_window.h"
#include "text_label.h"

// The five input texts of a run, as stored ("2.5"); entered with the
// locale's decimal separator.
struct WindowInputs {
    const char* rate;
    const char* duration;
    const char* days;
    const char* cropWaterUse;
    const char* rootZone;
};

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
    // Types the inputs into their boxes and presses Recalculate.
    void enter(const WindowInputs& inputs) const
    {
        type("AppRate", localised(inputs.rate));
        type("Duration", localised(inputs.duration));
        type("LtDIrrig", localised(inputs.days));
        type("LtCWU", localised(inputs.cropWaterUse));
        type("Ltsdepth", localised(inputs.rootZone));
        pressRecalculate();
    }

private:
    static QString localised(const char* text)
    {
        return morvane::localisedNumberText(QString::fromUtf8(text));
    }

    MainWindow& window_;
};
