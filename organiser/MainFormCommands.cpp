// Commands of the menus, the tool bar and the lists whose work belongs to the features that own
// it: each is bound to its items and enabled by its rule, and does nothing until that feature
// gives it its body.
#include "MainForm.h"

void TfrmMain::mFile_Import_BackUpClick() {
}
void TfrmMain::mFile_Export_BackUpClick() {
}
void TfrmMain::mFile_PrintClick() {
}
