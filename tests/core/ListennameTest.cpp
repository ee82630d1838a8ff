#include "lists/Listenname.h"

#include <gtest/gtest.h>

using namespace lerno;

// The file name with ".dva" may take 255 bytes in the folder's encoding, not one more.
TEST(Listenname, LengthLimitCountsTheFileNameBytes)
{
    const struct { QString name; bool erlaubt; } faelle[] = {
        {QString(251, u'a'), true},                    // 251 + ".dva" = 255
        {QString(252, u'a'), false},
        {QString(251, u'a') + ".txt", true},           // the extension is replaced
        {QString(83, QChar(0x2020)), true},            // 83 x 3 + 4 = 253
        {QString(84, QChar(0x2020)), false},           // 256
        {QString(125, QChar(0xE4)) + u'a', true},      // ä takes two bytes: 251 + 4
        {QString(126, QChar(0xE4)), false},            // 256
    };
    for (const auto& f : faelle) {
        const auto fehler = ListennameFehler(f.name);
        EXPECT_EQ(!fehler.has_value(), f.erlaubt) << f.name.size() << " characters";
        if (fehler)
            EXPECT_EQ(*fehler, QString::fromUtf8("Der Name ist zu lang. Bitte wähle einen kürzeren Namen."));
    }
}

// A list may be named in any script (file names are UTF-8); what no file can hold is refused.
TEST(Listenname, NamesInEveryScript)
{
    const struct { QString name; bool erlaubt; } faelle[] = {
        {QString::fromUtf8("Русский 7a"), true},
        {QString::fromUtf8("Ελληνικά"), true},
        {QString::fromUtf8("Română – lecția 3"), true},
        {QString::fromUtf8("Türkçe ığş"), true},
        {QString::fromUtf8("Smileys 😀"), true},
        {QString::fromUtf8("privat \uE000"), false},
        {QStringLiteral("halb ") + QChar(0xD800), false},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(!ListennameFehler(f.name).has_value(), f.erlaubt) << f.name.toStdString();
}
