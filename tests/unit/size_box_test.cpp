// The fixed-size boxes: the range check and the keys that may reach them.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include "app/size_box_check.h"
#include "ui/typed_key.h"

namespace {

struct Check {
    const char* text;
    int limit;
    const char* expected;
};

TEST(SizeBoxCheck, KeepsTheValueBetweenTenAndTheScreenSize) {
    const Check cases[] = {
        {"", 1920, "10"},
        {"0", 1920, "10"},
        {"9", 1920, "10"},
        {"10", 1920, "10"},
        {"11", 1920, "11"},
        {"1919", 1920, "1919"},
        {"1920", 1920, "1920"},
        {"1921", 1920, "1920"},
        {"5000", 1920, "1920"},
        {"1080", 1080, "1080"},
        {"1081", 1080, "1080"},
        // Screens beyond 16 bits of twips or pixels.
        {"40000", 32768, "32768"},
        {"32768", 40000, "32768"},
        {"70000", 100000, "70000"},
        // Leading zeros are a number in range as they are.
        {"0050", 1920, "0050"},
        {"0005", 1920, "10"},
    };
    for (const Check& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + std::to_string(c.limit));
        EXPECT_EQ(size_box::checked(QString::fromLatin1(c.text), c.limit),
                  QString::fromLatin1(c.expected));
    }
}

TEST(SizeBoxCheck, PastedTextKeepsOnlyItsDigits) {
    const Check cases[] = {
        {"abc", 1920, "10"},
        {"  ", 1920, "10"},
        {"-300", 1920, "300"},
        {"3.5", 1920, "35"},
        {"1 280 px", 1920, "1280"},
        {"width: 9", 1920, "10"},
        {"99999999999999999999999999", 1920, "1920"},  // no overflow into a small number
        {"18446744073709551617", 1920, "1920"},
    };
    for (const Check& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(size_box::checked(QString::fromLatin1(c.text), c.limit),
                  QString::fromLatin1(c.expected));
    }
    // Digits of other scripts are not the digits the store can read.
    EXPECT_EQ(size_box::checked(QStringLiteral("\u0663\u0660\u0660"), 1920), "10");
}

TEST(SizeBoxCheck, ItsResultPassesItAgainUnchanged) {
    // The box runs the check again after every correction; a second change would loop.
    for (const char* text : {"", "0", "7", "5000", "abc", "12a", "0050", "99999999999"}) {
        const QString once = size_box::checked(QString::fromLatin1(text), 1080);
        EXPECT_EQ(size_box::checked(once, 1080), once) << text;
    }
}

TEST(SizeBoxKeys, OnlyDigitsBackspaceAndEnterGetThrough) {
    using M = Qt::KeyboardModifiers;
    struct Key {
        const char* what;
        int key;
        M modifiers;
        QString text;
        bool reaches;
    };
    const Key keys[] = {
        {"0", Qt::Key_0, M(), "0", true},
        {"9", Qt::Key_9, M(), "9", true},
        {"keypad 5", Qt::Key_5, Qt::KeypadModifier, "5", true},
        {"backspace", Qt::Key_Backspace, M(), "\b", true},
        {"enter", Qt::Key_Return, M(), "\r", true},
        {"keypad enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", true},
        {"letter", Qt::Key_A, M(), "a", false},
        {"capital", Qt::Key_A, Qt::ShiftModifier, "A", false},
        {"minus", Qt::Key_Minus, M(), "-", false},
        {"space", Qt::Key_Space, M(), " ", false},
        {"point", Qt::Key_Period, M(), ".", false},
        {"escape", Qt::Key_Escape, M(), "\x1b", false},
        {"ctrl+v", Qt::Key_V, Qt::ControlModifier, "\x16", false},
        {"ctrl+a", Qt::Key_A, Qt::ControlModifier, "", false},
        {"accented", Qt::Key_Eacute, M(), "é", false},
        // Keys that type nothing only move the caret or the focus: they are not characters.
        {"left", Qt::Key_Left, M(), "", true},
        {"home", Qt::Key_Home, M(), "", true},
        {"delete", Qt::Key_Delete, M(), "\x7f", true},
        {"tab", Qt::Key_Tab, M(), "\t", true},
        {"shift", Qt::Key_Shift, Qt::ShiftModifier, "", true},
    };
    for (const Key& k : keys) {
        SCOPED_TRACE(k.what);
        const QKeyEvent event(QEvent::KeyPress, k.key, k.modifiers, k.text);
        const auto c = typedCharacter(event);
        EXPECT_EQ(!c || sizeBoxAccepts(*c), k.reaches);
    }
}

}  // namespace
