#pragma once

#include <QStringList>

#include <vector>

// The toolkit takes its own options (-style, -reverse, -platform, -display, -qwindowtitle, ...)
// out of the arguments it is given and obeys them. The programs' command lines are theirs alone:
// the toolkit is given the program's name and nothing else, and the programs read every
// argument from here. The toolkit's settings from the environment still apply.
class ProgramArguments {
public:
    ProgramArguments(int argc, char* argv[]);

    // For the application object; they must outlive it.
    int& toolkitArgc() { return m_toolkitArgc; }
    char** toolkitArgv() { return m_toolkitArgv.data(); }

    // Every argument, the program's name first, as the platform gave them.
    const QStringList& all() const { return m_all; }

private:
    QStringList m_all;
    int m_toolkitArgc = 0;
    std::vector<char*> m_toolkitArgv;
};
