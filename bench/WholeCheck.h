// What one press of the check button does to a text, without the window around it.
#pragma once

#include <QString>

// Converts `text` to the engine's bytes, normalises and analyses it as the check button does, and
// converts the shown text back: the report, or the normalised text when no claim 1 was found.
// Messages of the analysis go to whatever message sink is installed.
QString WholeCheck(const QString& text);
