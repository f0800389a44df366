// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLocale;

// The program's texts in the user's language: the translation built into the program
// for the locale's languages, and Qt's own for its dialogs when the system has it.
namespace translations {

// True when a translation of the program's texts was installed. Windows made before
// this call keep their texts.
bool install(const QLocale &locale);
// Back to the texts as written (tests).
void remove();

} // namespace translations
