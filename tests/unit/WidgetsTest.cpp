#include "framework/Widgets.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace framework;

TEST(EditBox, AnAnswerShowsFromItsStartAndTypingStaysInOrder) {
    QWidget parent;
    QLineEdit* edit = ui::Edit(&parent, "Probe", QRect(0, 0, 40, 20));
    edit->setText("THANK YOU FOR SHOPPING WITH US");
    EXPECT_EQ(edit->cursorPosition(), 0);
    edit->clear();
    QTest::keyClicks(edit, "abc");
    EXPECT_EQ(edit->text(), "abc");
    EXPECT_EQ(edit->cursorPosition(), 3);
}

TEST(UpDown, StepsWithinItsRangeAndFollowsTypedNumbers) {
    QWidget parent;
    UpDown* spinner = ui::SpinEdit(&parent, "Box", "Spinner", QRect(0, 0, 60, 20), 1, 8, 1);
    QLineEdit* box = spinner->buddy();
    EXPECT_EQ(box->text(), "1");
    spinner->stepBy(-1);
    EXPECT_EQ(spinner->position(), 1) << "no wrap below the minimum";
    const std::pair<const char*, int> typed[] = {{"5", 5}, {"12", 8}, {"x", 8}, {"", 8}, {"-3", 1}, {"3", 3}};
    for (auto [text, position] : typed) {
        box->setText(text);
        EXPECT_EQ(spinner->position(), position) << "typed '" << text << "'";
    }
    EXPECT_EQ(box->text(), "3");
    spinner->stepBy(10);
    EXPECT_EQ(spinner->position(), 8);
    EXPECT_EQ(box->text(), "8");
}

TEST(ItemIndex, EditableDropDownsMatchTheTypedTextExactly) {
    QWidget parent;
    QComboBox* fixed = ui::Combo(&parent, "Fixed", QRect(0, 0, 60, 20), {"Percent", "Summ"});
    EXPECT_EQ(ItemIndex(fixed), -1);
    fixed->setCurrentIndex(1);
    EXPECT_EQ(ItemIndex(fixed), 1);
    QComboBox* editable = ui::Combo(&parent, "Editable", QRect(0, 0, 60, 20), {"Dos", "Win"}, true);
    editable->setCurrentIndex(1);
    EXPECT_EQ(ItemIndex(editable), 1);
    editable->setEditText("win");
    EXPECT_EQ(ItemIndex(editable), -1);
}

TEST(Require, GivesTheNamedControlAndRaisesNamingAMissingOne) {
    QWidget root;
    QLineEdit* edit = ui::Edit(&root, "Present", QRect(0, 0, 40, 20));
    EXPECT_EQ(ui::Require<QLineEdit>(&root, "Present"), edit);
    EXPECT_EQ(ui::Require<QWidget>(&root, "Present"), edit);

    const std::pair<std::function<void()>, std::string> missing[] = {
        {[&] { ui::Require<QLineEdit>(&root, "Absent"); }, "no control named Absent of type QLineEdit"},
        {[&] { ui::Require<QPushButton>(&root, "Present"); }, "no control named Present of type QPushButton"},
    };
    for (const auto& [lookup, message] : missing) {
        try {
            lookup();
            ADD_FAILURE() << "no exception for: " << message;
        } catch (const std::logic_error& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
}
