#include "PrivateCups.h"

#include "Polling.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

const QString PdfPrinterModel = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString Queue = QStringLiteral("PDF");

QString findTool(const QString& name) {
    return QStandardPaths::findExecutable(
        name, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"), QStringLiteral("/sbin")});
}

} // namespace

PrivateCups::PrivateCups() {
    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.insert(QStringLiteral("CUPS_SERVER"), server());
    if (::geteuid() != 0)
        fail(QStringLiteral("a scheduler of the test's own runs as root only"));
    else if (findTool(QStringLiteral("cupsd")).isEmpty() ||
             findTool(QStringLiteral("lpadmin")).isEmpty() || !QFileInfo::exists(PdfPrinterModel))
        fail(QStringLiteral("cupsd, lpadmin or the PDF printer's model is missing (Debian cups, "
                            "printer-driver-cups-pdf)"));
    else if (writeSettings() && startScheduler())
        addPrinter();
}

bool PrivateCups::fail(const QString& error) {
    m_error = error;
    return false;
}

ProgramRun::Result PrivateCups::tool(const QString& program, const QStringList& arguments) const {
    return ProgramRun::run(findTool(program), arguments, m_environment, Polling::StepTimeout);
}

bool PrivateCups::writeSettings() {
    const QString root = QDir(m_folder.path()).absolutePath();
    for (const char* name : {"log", "spool", "tmp", "cache", "state", "out"})
        QDir(root).mkpath(QLatin1String(name));
    // The scheduler's filters run as lp, which must reach the folder and write its temporary one.
    if (::chmod(QFile::encodeName(root), 0755) != 0 ||
        ::chmod(QFile::encodeName(root + "/tmp"), 0777) != 0 ||
        ::chmod(QFile::encodeName(root + "/out"), 0777) != 0)
        return fail(QStringLiteral("cannot open the scheduler's folder to lp"));

    // The model as delivered declares a PostScript printer; this one takes PDF as it comes.
    QFile model(PdfPrinterModel);
    if (!model.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read ") + PdfPrinterModel);
    QString ppd = QString::fromLatin1(model.readAll());
    ppd.replace(QRegularExpression(QStringLiteral("^\\*% cupsFilter:.*$"),
                                   QRegularExpression::MultilineOption),
                QStringLiteral("*cupsFilter2: \"application/vnd.cups-pdf application/pdf 0 -\""));
    if (!ppd.contains(QStringLiteral("*cupsFilter2:")))
        return fail(QStringLiteral("cannot make the PDF printer's model"));
    m_folder.write(QStringLiteral("pdf-printer.ppd"), ppd.toUtf8());

    const QString scheduler =
        QStringLiteral("Listen %1\nLogLevel info\nWebInterface No\nBrowsing No\n"
                       "BrowseLocalProtocols none\nDefaultAuthType None\n"
                       "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                       "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                       "</Policy>\n")
            .arg(server());
    const QString files = QStringLiteral("User lp\nGroup lp\nSystemGroup root\n"
                                         "ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/tmp\n"
                                         "CacheDir %1/cache\nStateDir %1/state\n"
                                         "AccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                                         "PageLog %1/log/page_log\nPrintcap %1/printcap\n"
                                         "FileDevice Yes\n")
                              .arg(root);
    // A write that failed shows as a scheduler that does not start, with its log.
    m_folder.write(QStringLiteral("cupsd.conf"), scheduler.toUtf8());
    m_folder.write(QStringLiteral("cups-files.conf"), files.toUtf8());
    return true;
}

bool PrivateCups::startScheduler() {
    m_scheduler = std::make_unique<ProgramRun>(findTool(QStringLiteral("cupsd")),
                                               QStringList{"-f", "-c", m_folder.file("cupsd.conf"),
                                                           "-s", m_folder.file("cups-files.conf")},
                                               m_environment);
    if (!m_scheduler->started())
        return fail(QStringLiteral("cupsd did not start"));
    const bool answers = Polling::waitUntil(
        [&] {
            return !m_scheduler->isRunning() ||
                   tool(QStringLiteral("lpstat"), {QStringLiteral("-r")}).succeeded();
        },
        Polling::StartTimeout, 100ms);
    if (!answers || !m_scheduler->isRunning())
        return fail(QStringLiteral("the scheduler does not answer:\n") + m_scheduler->describe() +
                    log());
    return true;
}

// A scheduler that has begun to answer may still refuse a command for a moment on a busy machine
// ("Unable to connect to server"): each command is asked again until it is taken, up to the
// deadline. The commands here change nothing when they are carried out twice.
bool PrivateCups::command(const QString& program, const QStringList& arguments) {
    ProgramRun::Result result;
    const bool taken = Polling::waitUntil(
        [&] {
            result = tool(program, arguments);
            return result.succeeded() || !m_scheduler->isRunning();
        },
        Polling::StartTimeout, 200ms);
    if (taken && result.succeeded())
        return true;
    return fail(QStringLiteral("%1 %2 was not taken: %3\n%4\nthe scheduler's log:\n%5")
                    .arg(program, arguments.join(QLatin1Char(' ')),
                         QString::fromUtf8(result.errors), m_scheduler->describe(), log()));
}

bool PrivateCups::addPrinter() {
    return command(QStringLiteral("lpadmin"), {"-p", Queue, "-E", "-v", "file://" + printedFile(),
                                               "-P", m_folder.file("pdf-printer.ppd")}) &&
           command(QStringLiteral("lpadmin"), {QStringLiteral("-d"), Queue});
}

bool PrivateCups::rejectJobs() {
    return command(QStringLiteral("cupsreject"), {Queue});
}

bool PrivateCups::stopPrinter() {
    return command(QStringLiteral("cupsdisable"), {Queue});
}

void PrivateCups::stopScheduler() {
    m_scheduler->stop();
}

bool PrivateCups::isIdle() const {
    const ProgramRun::Result jobs = tool(QStringLiteral("lpstat"), {QStringLiteral("-o")});
    return jobs.succeeded() && jobs.output.trimmed().isEmpty();
}
