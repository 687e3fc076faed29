// Saves a PNG of every page of the real window: screenshots <folder> [suffix]
#include "app/userform1.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const QString suffix = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    msweight::PrepareApplication();
    msweight::UserForm1 form;
    form.show();
    auto *pages = form.findChild<QTabWidget *>(QStringLiteral("MultiPage1"));
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        // "&FL.&&TP" becomes fl-tp.png
        QString tab = pages->tabText(i).replace(QStringLiteral("&&"), QStringLiteral("-"));
        tab.remove(u'&').remove(u'.');
        const QString name = QStringLiteral("%1-%2%3.png").arg(i + 1).arg(tab.toLower(), suffix);
        if (!form.grab().save(folder.filePath(name)))
            return 1;
    }
    return 0;
}
