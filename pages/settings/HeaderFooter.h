#pragma once

#include "pages/PageHost.h"

#include <QString>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLineEdit;

namespace pages::settings {

// Receipt header, footer and second footer lines with their attributes (Settings page).
class HeaderFooter {
public:
    explicit HeaderFooter(PageHost& host);

    void ButtonSetHeaderClick();
    void ButtonGetHeaderClick();
    void ButtonSetFooterClick();
    void ButtonGetFooterClick();
    void ButtonSetFooter2Click();
    void ButtonGetFooter2Click();
    void ButtonSetFooterEnabledClick();
    void ButtonGetFooterEnabledClick();
    void ButtonSetFooter2EnabledClick();
    void ButtonGetFooter2EnabledClick();

private:
    // One line of a header or footer: its attribute box (two hex digits) and its text box.
    struct Line {
        QLineEdit* attribute = nullptr;
        QLineEdit* text = nullptr;
    };
    // A block of lines (header, footer or second footer) as the device reads and writes it.
    struct Block {
        QGroupBox* group = nullptr;
        std::vector<Line> lines;
    };

    Block BuildBlock(const QString& groupName, const QString& caption, const QString& prefix, int rows, int y,
                     int height, int designedWidth);
    // Fills the block's boxes from an answer of attribute/line field pairs.
    static void ShowBlock(const Block& block, const std::vector<QByteArray>& fields);
    void GetBlock(const Block& block, const QString& name, int code);
    void SetEnabled(const QString& name, QCheckBox* box, int (*send)(int));
    void GetEnabled(const QString& name, int code, QCheckBox* box);

    PageHost& host_;
    framework::FormBase& form_;
    Block header_;
    Block footer_;
    Block footer2_;
    QCheckBox* FooterEnabled = nullptr;
    QCheckBox* Footer2Enabled = nullptr;
};

} // namespace pages::settings
