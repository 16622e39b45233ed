#pragma once
// The colours the window's pixel tests expect, written as plain RGB so that
// the tests do not take them from the program they check.

#include <QColor>

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 128, 0);
const QColor kFuchsia(255, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kCream(255, 251, 240);
