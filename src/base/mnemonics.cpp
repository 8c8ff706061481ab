#include "base/mnemonics.h"

#include <QSet>

namespace {

bool choosable(QChar c) {
    return c.unicode() < 0x80 && c.isLetterOrNumber();
}

// The places of the caption's characters that may carry the mnemonic, the
// letters that start a word first; a literal "&&" is skipped whole.
QList<qsizetype> candidates(const QString& caption) {
    QList<qsizetype> starts;
    QList<qsizetype> others;
    bool inWord = false;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (c == u'&') {
            ++i; // "&&": the second one is text
            inWord = false;
            continue;
        }
        if (choosable(c))
            (inWord ? others : starts) << i;
        inWord = c.isLetterOrNumber();
    }
    return starts + others;
}

} // namespace

QChar mnemonicOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] != u'&')
            return caption[i + 1].toCaseFolded();
        ++i;
    }
    return {};
}

QString withoutMnemonic(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

QStringList withMnemonics(const QStringList& captions, const QList<QList<int>>& groups) {
    const qsizetype count = captions.size();
    // For each caption, the groups it is in; a caption in none is a group of its own.
    QList<QList<qsizetype>> groupsOf(count);
    QList<QSet<QChar>> taken(groups.size());
    for (qsizetype g = 0; g < groups.size(); ++g)
        for (const int index : groups[g])
            if (index >= 0 && index < count)
                groupsOf[index] << g;
    const auto isFree = [&](qsizetype index, QChar c) {
        const QChar key = c.toCaseFolded();
        for (const qsizetype g : groupsOf[index])
            if (taken[g].contains(key))
                return false;
        return true;
    };
    const auto take = [&](qsizetype index, QChar c) {
        for (const qsizetype g : groupsOf[index])
            taken[g].insert(c.toCaseFolded());
    };

    // The designed mnemonics come first: the others avoid them.
    QStringList result = captions;
    for (qsizetype i = 0; i < count; ++i)
        if (const QChar designed = mnemonicOf(captions[i]); !designed.isNull())
            take(i, designed);
    for (qsizetype i = 0; i < count; ++i) {
        const QString& caption = captions[i];
        if (caption.isEmpty() || !mnemonicOf(caption).isNull())
            continue;
        bool placed = false;
        for (const qsizetype place : candidates(caption)) {
            if (isFree(i, caption[place])) {
                take(i, caption[place]);
                result[i] = caption.left(place) + u'&' + caption.mid(place);
                placed = true;
                break;
            }
        }
        static const QString kSpare = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
        for (qsizetype s = 0; !placed && s < kSpare.size(); ++s) {
            if (isFree(i, kSpare[s])) {
                take(i, kSpare[s]);
                result[i] = caption + QStringLiteral(" (&") + kSpare[s] + u')';
                placed = true;
            }
        }
    }
    return result;
}
