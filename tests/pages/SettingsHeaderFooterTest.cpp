#include "FormFixture.h"

#include <QCheckBox>

using namespace testing_support;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// The three line blocks share one behaviour with their own rows, function, code and names.
struct Block {
    const char* prefix;
    int rows;
    const char* setButton;
    const char* getButton;
    const char* function;
    int code;
    const char* getName;
};

const Block Blocks[] = {
    {"Header", 6, "ButtonSetHeader", "ButtonGetHeader", "SetHeaderEx2", 10, "GetFiscalInfo(header)"},
    {"Footer", 4, "ButtonSetFooter", "ButtonGetFooter", "SetFooter", 11, "GetFiscalInfo(footer)"},
    {"Footer2", 2, "ButtonSetFooter2", "ButtonGetFooter2", "SetFooter2", 12, "GetFiscalInfo(footer2)"},
};

QString attributeBox(const Block& b, int n) {
    return QStringLiteral("%1Attribute%2").arg(b.prefix).arg(n);
}
QString lineBox(const Block& b, int n) {
    return QStringLiteral("%1Line%2").arg(b.prefix).arg(n);
}

} // namespace

class SettingsHeaderFooter : public FormFixture {
protected:
    // Fills every row with a distinct attribute and line so a lost or swapped field shows.
    void fillBlock(const Block& b) {
        for (int n = 1; n <= b.rows; ++n) {
            type(attributeBox(b, n), QStringLiteral("4%1").arg(n));
            type(lineBox(b, n), QStringLiteral("line %1").arg(n));
        }
    }
    std::vector<QString> blockTexts(const Block& b) const {
        std::vector<QString> texts;
        for (int n = 1; n <= b.rows; ++n) {
            texts.push_back(text(attributeBox(b, n)));
            texts.push_back(text(lineBox(b, n)));
        }
        return texts;
    }
};

TEST_F(SettingsHeaderFooter, StartsWithAttribute41AndEmptyLines) {
    for (const Block& b : Blocks)
        for (int n = 1; n <= b.rows; ++n) {
            EXPECT_EQ(text(attributeBox(b, n)), "41");
            EXPECT_EQ(text(lineBox(b, n)), "");
        }
    EXPECT_FALSE(find<QCheckBox>("FooterEnabled")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("Footer2Enabled")->isChecked());
}

TEST_F(SettingsHeaderFooter, SetSendsEveryRowsAttributeAndLineInOrder) {
    for (const Block& b : Blocks) {
        SCOPED_TRACE(b.function);
        device.clearCalls();
        fillBlock(b);
        click(b.setButton);
        DeviceCall expected{b.function, {}};
        for (int n = 1; n <= b.rows; ++n) {
            expected.args.emplace_back(0x40 + n);
            expected.args.emplace_back(QStringLiteral("line %1").arg(n).toStdString());
        }
        EXPECT_THAT(calls(), ElementsAre(expected));
    }
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(SettingsHeaderFooter, AttributesAreParsedAsHexAndLinesSentAsTyped) {
    struct Case {
        QString attribute;
        int sent;
        QString line;
        std::string lineSent;
    };
    const Case cases[] = {
        {"41", 65, "Shop  ", "Shop  "},
        {"A", 10, "  centred", "  centred"},
        {"", 0, "", ""},
        {"141", 321, "x", "x"},
        {"4G", 64, "y", "y"},
        {" 41", 65, "z", "z"},
    };
    for (int i = 0; i < 6; ++i) {
        type(QStringLiteral("HeaderAttribute%1").arg(i + 1), cases[i].attribute);
        type(QStringLiteral("HeaderLine%1").arg(i + 1), cases[i].line);
    }
    click("ButtonSetHeader");
    DeviceCall expected{"SetHeaderEx2", {}};
    for (const Case& c : cases) {
        expected.args.emplace_back(c.sent);
        expected.args.emplace_back(c.lineSent);
    }
    EXPECT_THAT(calls(), ElementsAre(expected));
}

TEST_F(SettingsHeaderFooter, LinesGoInTheDeviceCodePage) {
    type("Footer2Line1", QString::fromUtf8("Šiaulių"));
    click("ButtonSetFooter2");
    EXPECT_THAT(calls(), ElementsAre(Call("SetFooter2", 65,
                                          std::string("\xD0"
                                                      "iauli\xF8"),
                                          65, std::string())));
}

TEST_F(SettingsHeaderFooter, ALineTheCodePageCannotHoldIsReportedAndNothingSent) {
    for (const Block& b : Blocks) {
        SCOPED_TRACE(b.function);
        messages.clear();
        type(lineBox(b, b.rows), QString::fromUtf8("日本"));
        click(b.setButton);
        EXPECT_THAT(boxes(), ElementsAre(ExceptionBox(
                                 b.function, QString::fromUtf8("'日本' contains a character that the "
                                                               "device code page cannot represent"))));
        type(lineBox(b, b.rows), "");
    }
    EXPECT_THAT(calls(), IsEmpty());
}

TEST_F(SettingsHeaderFooter, ANonzeroResultIsReportedUnderTheFunctionName) {
    for (const Block& b : Blocks) {
        device.setResult(b.function, 3);
        messages.clear();
        click(b.setButton);
        EXPECT_THAT(boxes(), ElementsAre(ErrorBox(QStringLiteral("%1: error 3").arg(b.function))));
    }
}

TEST_F(SettingsHeaderFooter, GetShowsAttributesAsHexAndLinesTrimmedOnTheRight) {
    // Row 1: a plain line padded with blanks; row 2: a high attribute byte and a leading blank;
    // row 3: an attribute field of several bytes (only the first counts) and a line in the code page.
    const QByteArray rows = QByteArray("A\x1c"
                                       "Shop   \x1c") +
                            "\xA1\x1c  left\t\x1c" +
                            "BCD\x1c"
                            "\xD0"
                            "iauli\xF8\x1c";
    for (const Block& b : Blocks) {
        SCOPED_TRACE(b.function);
        device.clearCalls();
        QByteArray answer = rows;
        while (answer.count('\x1c') < 2 * b.rows)
            answer += "\x10\x1c"
                      "pad\x1c";
        device.setAnswer(b.code, answer);
        click(b.getButton);
        EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo", b.code)));
        std::vector<QString> expected = {"41", "Shop", "A1", "  left"};
        if (b.rows > 2)
            expected.insert(expected.end(), {"42", QString::fromUtf8("Šiaulių")});
        while (int(expected.size()) < 2 * b.rows)
            expected.insert(expected.end(), {"10", "pad"});
        EXPECT_EQ(blockTexts(b), expected);
    }
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(SettingsHeaderFooter, AShortAnswerLeavesTheMissingRowsAt00AndEmpty) {
    fillBlock(Blocks[0]);
    device.setAnswer(10, "B\x1c"
                         "one\x1c"
                         "C");
    click("ButtonGetHeader");
    EXPECT_EQ(blockTexts(Blocks[0]),
              (std::vector<QString>{"42", "one", "43", "", "00", "", "00", "", "00", "", "00", ""}));
}

TEST_F(SettingsHeaderFooter, AFailedGetReportsAndLeavesTheBoxes) {
    for (const Block& b : Blocks) {
        SCOPED_TRACE(b.function);
        messages.clear();
        fillBlock(b);
        const std::vector<QString> before = blockTexts(b);
        device.setAnswer(b.code,
                         "A\x1c"
                         "changed\x1c",
                         7);
        click(b.getButton);
        EXPECT_THAT(boxes(), ElementsAre(ErrorBox(QStringLiteral("%1: error 7").arg(b.getName))));
        EXPECT_EQ(blockTexts(b), before);
    }
}

TEST_F(SettingsHeaderFooter, EnabledSwitchesSendOneOrZero) {
    const std::tuple<const char*, const char*, const char*> switches[] = {
        {"FooterEnabled", "ButtonSetFooterEnabled", "EnableFooter"},
        {"Footer2Enabled", "ButtonSetFooter2Enabled", "EnableFooter2"},
    };
    for (const auto& [box, button, function] : switches) {
        device.clearCalls();
        check(box, true);
        click(button);
        check(box, false);
        click(button);
        EXPECT_THAT(calls(), ElementsAre(Call(function, 1), Call(function, 0)));
    }
    device.setResult("EnableFooter2", 4);
    click("ButtonSetFooter2Enabled");
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("EnableFooter2: error 4")));
}

TEST_F(SettingsHeaderFooter, EnabledSwitchesAreCheckedOnlyByAnExactOne) {
    const std::tuple<const char*, const char*, int> switches[] = {
        {"FooterEnabled", "ButtonGetFooterEnabled", 13},
        {"Footer2Enabled", "ButtonGetFooter2Enabled", 14},
    };
    const std::pair<QByteArray, bool> answers[] = {
        {"1", true}, {"0", false}, {"1\x1c", true}, {"01", false}, {"1 ", false}, {"", false},
    };
    for (const auto& [box, button, code] : switches) {
        for (const auto& [answer, checked] : answers) {
            SCOPED_TRACE(answer.toStdString());
            check(box, !checked);
            device.setAnswer(code, answer);
            click(button);
            EXPECT_EQ(find<QCheckBox>(box)->isChecked(), checked) << box;
        }
    }
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(SettingsHeaderFooter, AFailedSwitchReadLeavesTheBox) {
    check("FooterEnabled", true);
    device.setAnswer(13, "0", 2);
    click("ButtonGetFooterEnabled");
    EXPECT_TRUE(find<QCheckBox>("FooterEnabled")->isChecked());
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("GetFiscalInfo(footer enabled): error 2")));
    device.setAnswer(14, "1", -1);
    click("ButtonGetFooter2Enabled");
    EXPECT_FALSE(find<QCheckBox>("Footer2Enabled")->isChecked());
    EXPECT_EQ(boxes().back(), ErrorBox("GetFiscalInfo(footer2 enabled): error -1"));
}
