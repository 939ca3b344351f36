#pragma once

class QCoreApplication;

// Qt's own words (the buttons of its dialogs, the font, print and file dialogs, the text boxes'
// menus) in Hungarian, the programs' language, whatever the desktop's language. The programs' own
// texts are not translated: they stand as written.
class ToolkitTranslation {
public:
    // Installs Qt's Hungarian translation into the application, which keeps it until it ends;
    // false, and Qt's words stay English, when the translation is not installed on the machine.
    static bool install(QCoreApplication& application);
};
