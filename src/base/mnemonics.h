#pragma once
// Keyboard mnemonics of captions ("&File": Alt+F). A caption designed with
// one keeps it; every other caption gets one, so that each command of a menu,
// a menu bar or a dialog is reachable with Alt. "&&" is a literal ampersand.

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// The captions, each with a mnemonic unlike those of every caption it shares
// a group with (a group lists indexes into `captions`; a caption in no group
// stands alone). A caption without one takes, in this order, the first free
// letter that starts a word, any other free letter or digit, or, when all of
// those are taken, a free letter or digit added as " (&X)". Only the letters
// and digits of ASCII are chosen, since Alt with an accented letter cannot be
// typed on most keyboards. Empty captions stay empty.
QStringList withMnemonics(const QStringList& captions, const QList<QList<int>>& groups);

// The mnemonic of a caption, case folded; a null character when it has none.
QChar mnemonicOf(const QString& caption);

// The caption as shown: without its mnemonic mark, "&&" read as "&".
QString withoutMnemonic(const QString& caption);
