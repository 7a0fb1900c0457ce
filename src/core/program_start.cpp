#include "core/catalogue.h"
#include "core/product_table.h"
#include "core/setup_context.h"
#include <commctrl.h>

// The backdrop's colours: the gradient's dark end is made from the shade, its
// light end (also the wizard pages' picture panel) is the light colour.
const COLORREF ShadeColour = RGB(90, 174, 214);
const COLORREF LightColour = RGB(165, 231, 255);

extern "C" __declspec(dllexport) int start()
{
    ProductItem row = ProductTable[0];
    row.displayName = MessageText(MsgProductName);
    row.findMenuText = MessageText(MsgFindMenuText);
    row.searchMenuText = MessageText(MsgSearchMenuText);
    row.helpText = MessageText(MsgHelpText);
    InitCommonControls();
    SetupContext context;
    BuildSetupContext(&context, row.displayName, row.baseName, &row, 1, ShadeColour, LightColour);
    FreeSetupContext(&context);
    return 0;
}

// The process's entry: the catalogue lives around the program's own logic.
// Both orders are the groups' order, release included.
extern "C" int ProgramEntry()
{
    PageTexts();
    InstallTexts();
    WizardButtonTexts();
    int result = start();
    ReleasePageTexts();
    ReleaseInstallTexts();
    ReleaseWizardButtonTexts();
    return result;
}
