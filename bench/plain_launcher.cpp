// The second yardstick: the launcher's content as a Qt developer would write
// it in plain Qt Widgets, with Qt's layouts, a resource file and no
// translations: the banner, the Tutorials group with the welcome text and
// three buttons, the web link and Close, in the same texts and font.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Vellumark Kestrin"));
    auto* layout = new QVBoxLayout(&dialog);

    auto* banner = new QLabel(&dialog);
    banner->setPixmap(QPixmap(QStringLiteral(":/banner.png")));
    banner->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout->addWidget(banner);

    auto* tutorials = new QGroupBox(QStringLiteral("Tutorials"), &dialog);
    auto* row = new QHBoxLayout(tutorials);
    auto* welcome = new QPlainTextEdit(tutorials);
    welcome->setReadOnly(true);
    QFile text(QStringLiteral(":/welcome.txt"));
    if (text.open(QIODevice::ReadOnly))
        welcome->setPlainText(QString::fromUtf8(text.readAll()));
    row->addWidget(welcome);
    auto* buttons = new QVBoxLayout;
    for (const char* name : {"Copy and Paste Tutorial", "Drag and Drop Tutorial", "Double Click Tutorial"})
        buttons->addWidget(new QPushButton(QString::fromLatin1(name), tutorials));
    buttons->addStretch();
    row->addLayout(buttons);
    layout->addWidget(tutorials);

    auto* bottom = new QHBoxLayout;
    auto* help = new QVBoxLayout;
    help->addWidget(new QLabel(QStringLiteral("Would you like more help?  Visit our web site:"), &dialog));
    auto* link = new QLabel(
        QStringLiteral("<a href=\"https://www.vellumark.example/\">www.vellumark.example</a>"), &dialog);
    link->setOpenExternalLinks(true);
    help->addWidget(link);
    bottom->addLayout(help);
    bottom->addStretch();
    auto* close = new QPushButton(QStringLiteral("Close"), &dialog);
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::reject);
    bottom->addWidget(close, 0, Qt::AlignBottom);
    layout->addLayout(bottom);
    return dialog.exec();
}
