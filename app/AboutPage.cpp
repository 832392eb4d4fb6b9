// The "About" page: logo, product and version, the maker's notice and contacts, and the web link.

#include "FormMain.h"
#include "Logo.h"
#include "app/Version.h"

#include "framework/Widgets.h"

#include <QLabel>

void TFormMain::BuildAboutPage() {
    QWidget* page = TabSheet16;
    page->setMouseTracking(true);
    page->installEventFilter(this);

    QLabel* logo = ui::LabelIn(page, {}, QRect(24, 24, 276, 91), QStringLiteral("ImageLogo"));
    logo->setPixmap(DrawLogo(276, 91));

    const int x = 24;
    QLabel* product = ui::LabelIn(page,
                                  QStringLiteral("Tillmate - service console for the Quenta fiscal modules "
                                                 "QuentaE and Fuel-QuentaE"),
                                  QRect(x, 132, 600, 18), QStringLiteral("LabelProduct"));
    QFont bold = product->font();
    bold.setBold(true);
    product->setFont(bold);
    ui::LabelIn(page, QStringLiteral("Product version " TILLMATE_VERSION), QRect(x, 156, 400, 16),
                QStringLiteral("LabelVersion"));
    ui::LabelIn(page,
                QStringLiteral("Copyright (c) 2013-2026 Dravik Engineering SIA. All rights reserved.\n"
                               "For the service personnel of authorised Quenta dealers only."),
                QRect(x, 184, 700, 30), QStringLiteral("LabelNotice"));
    ui::LabelIn(page, QStringLiteral("Dravik Engineering SIA, Krasta iela 52, Riga, LV-1003, Latvia"),
                QRect(x, 220, 700, 16), QStringLiteral("LabelAddress"));
    ui::LabelIn(page, QStringLiteral("Tel.: +371 6700 4120"), QRect(x, 240, 400, 16),
                QStringLiteral("LabelPhone"));
    ui::LabelIn(page, QStringLiteral("E-mail: support@tillmate.example"), QRect(x, 260, 400, 16),
                QStringLiteral("LabelEmail"));

    Label250 = ui::LabelIn(page, QStringLiteral("WWW: ") + WebAddress, QRect(x, 282, 300, 16),
                           QStringLiteral("Label250"));
    QFont link(QStringLiteral("MS Sans Serif"));
    link.setPixelSize(12);
    link.setUnderline(true);
    Label250->setFont(link);
    Label250->setStyleSheet(QStringLiteral("color: #0000ff;"));
    Label250->setMouseTracking(true);
    Label250->installEventFilter(this);
}
