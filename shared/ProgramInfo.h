#pragma once

#include <QString>

// What the program says about itself: its name on the update service, its version, where it is
// at home on the web, and the terms it is given under. Both programs show the same.
namespace ProgramInfo {

// The program's name and version as the update service knows them.
inline const QString ProgramId = QStringLiteral("Zimpa");
inline const QString Version = QStringLiteral("2.0.0.100");

inline const QString HomePage = QStringLiteral("http://www.zimpa.hu");
inline const QString ContactMail = QStringLiteral("mailto:info@zimpa.hu");

// The update page of a server: the address exactly as the service expects it, nothing encoded
// and nothing put between the pieces.
inline QString updatePage(const QString& server) {
    return server + QStringLiteral("/upgrade.php?program=") + ProgramId +
           QStringLiteral("&version=") + Version;
}

// The terms of use, in the words both programs show them.
inline const QString LicenceTerms = QStringLiteral(
    "A program szabadon és díjmentesen használható, másolható és továbbadható.\n"
    "A programot mindenféle garancia nélkül, úgy ahogy van, adjuk közre: sem a működéséért, sem "
    "a használatából eredő esetleges károkért nem vállalunk felelősséget.");

} // namespace ProgramInfo
