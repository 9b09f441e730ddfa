#include "Types.h"

#include <QHash>

bool IdentToInt(const QString& ident, int& value) {
  static const QHash<QString, int> constants = {
      {QStringLiteral("clBlack"), clBlack},
      {QStringLiteral("clMaroon"), clMaroon},
      {QStringLiteral("clGreen"), clGreen},
      {QStringLiteral("clOlive"), clOlive},
      {QStringLiteral("clNavy"), clNavy},
      {QStringLiteral("clPurple"), clPurple},
      {QStringLiteral("clTeal"), clTeal},
      {QStringLiteral("clGray"), clGray},
      {QStringLiteral("clSilver"), clSilver},
      {QStringLiteral("clRed"), clRed},
      {QStringLiteral("clLime"), clLime},
      {QStringLiteral("clYellow"), clYellow},
      {QStringLiteral("clBlue"), clBlue},
      {QStringLiteral("clFuchsia"), clFuchsia},
      {QStringLiteral("clAqua"), clAqua},
      {QStringLiteral("clWhite"), clWhite},
      {QStringLiteral("clNone"), clNone},
      {QStringLiteral("clScrollBar"), clScrollBar},
      {QStringLiteral("clBackground"), clBackground},
      {QStringLiteral("clActiveCaption"), clActiveCaption},
      {QStringLiteral("clInactiveCaption"), clInactiveCaption},
      {QStringLiteral("clMenu"), clMenu},
      {QStringLiteral("clWindow"), clWindow},
      {QStringLiteral("clWindowFrame"), clWindowFrame},
      {QStringLiteral("clMenuText"), clMenuText},
      {QStringLiteral("clWindowText"), clWindowText},
      {QStringLiteral("clCaptionText"), clCaptionText},
      {QStringLiteral("clHighlight"), clHighlight},
      {QStringLiteral("clHighlightText"), clHighlightText},
      {QStringLiteral("clBtnFace"), clBtnFace},
      {QStringLiteral("clBtnShadow"), clBtnShadow},
      {QStringLiteral("clGrayText"), clGrayText},
      {QStringLiteral("clBtnText"), clBtnText},
      {QStringLiteral("clBtnHighlight"), clBtnHighlight},
      {QStringLiteral("clInfoText"), clInfoText},
      {QStringLiteral("clInfoBk"), clInfoBk},
      {QStringLiteral("ANSI_CHARSET"), ANSI_CHARSET},
      {QStringLiteral("DEFAULT_CHARSET"), DEFAULT_CHARSET},
      {QStringLiteral("SYMBOL_CHARSET"), SYMBOL_CHARSET},
      {QStringLiteral("OEM_CHARSET"), OEM_CHARSET},
      {QStringLiteral("crDefault"), 0},
      {QStringLiteral("crArrow"), -2},
      {QStringLiteral("crHandPoint"), -21},
  };
  auto it = constants.constFind(ident);
  if (it == constants.constEnd()) return false;
  value = it.value();
  return true;
}
