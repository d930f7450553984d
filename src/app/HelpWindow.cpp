#include "HelpWindow.h"

#include "resources.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser(new QTextBrowser(this)) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    browser->setOpenExternalLinks(false);
    resize(520, 560);
}

void HelpWindow::showContents(const QString& helpFile) {
    QString name = helpFile;
    if (name.endsWith(QStringLiteral(".hlp"), Qt::CaseInsensitive))
        name.chop(4);
    initZarvekResources();
    page = QStringLiteral(":/help/%1.html").arg(name);
    QFile file(page);
    if (file.open(QIODevice::ReadOnly)) {
        const QString html = QString::fromUtf8(file.readAll());
        browser->setHtml(html);
        setWindowTitle(browser->documentTitle());
    } else {
        page.clear();
        browser->clear();
    }
    show();
    raise();
    activateWindow();
}
