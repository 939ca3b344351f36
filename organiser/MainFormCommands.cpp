// Commands of the menus, the tool bar and the lists whose work belongs to the features that own
// it: each is bound to its items and enabled by its rule, and does nothing until that feature
// gives it its body.
#include "MainForm.h"

void TfrmMain::mSettings_GeneralClick() {
}
void TfrmMain::HelpMenuClick() {
}
void TfrmMain::mHelp_IndexClick() {
}
void TfrmMain::mHelp_InternetClick() {
}
void TfrmMain::mHelp_UpdateClick() {
}
void TfrmMain::mHelp_AboutClick() {
}
