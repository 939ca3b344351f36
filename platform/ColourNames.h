#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

// The colour values that settings files store, and the names they are stored under.
//
// A colour is a 32-bit value. A plain colour is 0x00BBGGRR. A system colour is 0x80000000 plus
// the index of one of the desktop's colours (window background, button face, ...), so it follows
// the desktop's look. clNone and clDefault mean "no colour" and "the control's own colour".
// DesktopColours shows them.
namespace ColourNames {

// Plain colours.
constexpr quint32 clBlack = 0x00000000;
constexpr quint32 clMaroon = 0x00000080;
constexpr quint32 clGreen = 0x00008000;
constexpr quint32 clOlive = 0x00008080;
constexpr quint32 clNavy = 0x00800000;
constexpr quint32 clPurple = 0x00800080;
constexpr quint32 clTeal = 0x00808000;
constexpr quint32 clGray = 0x00808080;
constexpr quint32 clSilver = 0x00C0C0C0;
constexpr quint32 clRed = 0x000000FF;
constexpr quint32 clLime = 0x0000FF00;
constexpr quint32 clYellow = 0x0000FFFF;
constexpr quint32 clBlue = 0x00FF0000;
constexpr quint32 clFuchsia = 0x00FF00FF;
constexpr quint32 clAqua = 0x00FFFF00;
constexpr quint32 clWhite = 0x00FFFFFF;
constexpr quint32 clMoneyGreen = 0x00C0DCC0;
constexpr quint32 clSkyBlue = 0x00F0CAA6;
constexpr quint32 clCream = 0x00F0FBFF;
constexpr quint32 clMedGray = 0x00A4A0A0;

// System colours.
constexpr quint32 kSystemColour = 0x80000000;
constexpr quint32 clScrollBar = kSystemColour + 0;
constexpr quint32 clBackground = kSystemColour + 1;
constexpr quint32 clActiveCaption = kSystemColour + 2;
constexpr quint32 clInactiveCaption = kSystemColour + 3;
constexpr quint32 clMenu = kSystemColour + 4;
constexpr quint32 clWindow = kSystemColour + 5;
constexpr quint32 clWindowFrame = kSystemColour + 6;
constexpr quint32 clMenuText = kSystemColour + 7;
constexpr quint32 clWindowText = kSystemColour + 8;
constexpr quint32 clCaptionText = kSystemColour + 9;
constexpr quint32 clActiveBorder = kSystemColour + 10;
constexpr quint32 clInactiveBorder = kSystemColour + 11;
constexpr quint32 clAppWorkSpace = kSystemColour + 12;
constexpr quint32 clHighlight = kSystemColour + 13;
constexpr quint32 clHighlightText = kSystemColour + 14;
constexpr quint32 clBtnFace = kSystemColour + 15;
constexpr quint32 clBtnShadow = kSystemColour + 16;
constexpr quint32 clGrayText = kSystemColour + 17;
constexpr quint32 clBtnText = kSystemColour + 18;
constexpr quint32 clInactiveCaptionText = kSystemColour + 19;
constexpr quint32 clBtnHighlight = kSystemColour + 20;
constexpr quint32 cl3DDkShadow = kSystemColour + 21;
constexpr quint32 cl3DLight = kSystemColour + 22;
constexpr quint32 clInfoText = kSystemColour + 23;
constexpr quint32 clInfoBk = kSystemColour + 24;
constexpr quint32 clGradientActiveCaption = kSystemColour + 27;
constexpr quint32 clGradientInactiveCaption = kSystemColour + 28;

// The two values that stand for no colour of their own.
constexpr quint32 clNone = 0x1FFFFFFF;
constexpr quint32 clDefault = 0x20000000;

// The name of exactly this value ("clRed"); empty when the table has none.
QString colourToName(quint32 colour);

// The value of a name in any letter case ("clred" gives clRed); nothing for an unknown name.
std::optional<quint32> nameToColour(QStringView name);

} // namespace ColourNames
