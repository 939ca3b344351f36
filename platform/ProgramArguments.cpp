#include "ProgramArguments.h"

ProgramArguments::ProgramArguments(int argc, char* argv[]) {
    for (int i = 0; i < argc; ++i)
        m_all.append(QString::fromLocal8Bit(argv[i]));
    if (argc > 0)
        m_toolkitArgv.push_back(argv[0]);
    m_toolkitArgc = int(m_toolkitArgv.size());
    m_toolkitArgv.push_back(nullptr);
}
