#pragma once
#include "core/catalogue_texts.h"
#include <windows.h>

// One catalogue entry: its stored text (code page 1252) and, while its group
// is present, that text converted to the system's ANSI code page.
struct UiString {
    const char* stored;
    char* text;
};

#define CATALOGUE_IDENTIFIER(id, stored) id,
enum MessageId {
    PAGE_TEXTS(CATALOGUE_IDENTIFIER)
    INSTALL_TEXTS(CATALOGUE_IDENTIFIER)
    WIZARD_BUTTON_TEXTS(CATALOGUE_IDENTIFIER)
    MessageCount
};
#undef CATALOGUE_IDENTIFIER

// The converted text of an entry; valid from its group's start-up routine to
// its group's release routine.
const char* MessageText(MessageId id);

// Start-up routines, called once each in this order before the program's
// own logic runs; the country table's shown names are made by PageTexts.
void PageTexts();
void InstallTexts();
void WizardButtonTexts();

// Release routines, one per group; each releases its entries in the reverse
// of their creation order.
void ReleasePageTexts();
void ReleaseInstallTexts();
void ReleaseWizardButtonTexts();

// The conversion's fallback: a heap copy with every byte from 0x80 up
// replaced by "*" and every other byte kept.
char* CopyWithHighBytesMasked(const char* stored);

// A new heap text in the system's ANSI code page made from a code page 1252
// text; the caller owns it. Characters the code page cannot show become "*";
// a text that cannot be read as code page 1252 gets the fallback above.
char* ToAnsiCodePage(const char* stored);
