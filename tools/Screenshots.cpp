// Renders every page of the console window, hidden ones included, to PNG files.
//   tillmate_screenshots OUTPUT_FOLDER [--read]
// Runs on the device library it finds (the emulator by default). With --read it first presses
// every "Get" of the Settings and Information pages, so the pages show the module's answers.

#include "app/FormMain.h"
#include "app/Startup.h"
#include "device/DeviceLibrary.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTextStream>

namespace {

void saveEveryPage(QTabWidget* control, TFormMain& form, const QString& folder, const QString& prefix,
                   const std::function<void()>& showParent) {
    for (int i = 0; i < control->count(); ++i) {
        const bool wasVisible = control->isTabVisible(i);
        control->setTabVisible(i, true);
        showParent();
        control->setCurrentIndex(i);
        QWidget* page = control->widget(i);
        const QString name =
            prefix + page->objectName() + "-" + control->tabText(i).replace(' ', '_') + ".png";
        QApplication::processEvents();
        form.grab().save(QDir(folder).filePath(name));
        QTextStream(stdout) << name << " page " << page->width() << "x" << page->height() << "\n";
        if (auto* sub = page->findChild<QTabWidget*>(QString(), Qt::FindDirectChildrenOnly))
            saveEveryPage(sub, form, folder, name.chopped(4) + "-", [control, i, showParent] {
                showParent();
                control->setCurrentIndex(i);
            });
        control->setTabVisible(i, wasVisible);
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    SetApplicationFont();
    const QString folder =
        argc > 1 && argv[1][0] != '-' ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);
    device::Load(nullptr);

    TFormMain form;
    if (application.arguments().contains(QStringLiteral("--read")))
        for (QWidget* page : {form.TabSheet1, form.TabSheet2})
            for (QPushButton* button : page->findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("Get"))
                    button->click();
    form.show();
    QApplication::processEvents();
    saveEveryPage(form.PageControl1, form, folder, QString(), [] {});
    return 0;
}
