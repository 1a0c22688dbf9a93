#include "game/frmTimeout.h"

#include "widgets/mConstants.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmTimeout::frmTimeout(const QString& home, const QString& away, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTimeout"));
    setWindowTitle(tr("Timeout"));
    setModal(true);

    lblQuestion = new QLabel(tr("Which side takes the timeout?\nHome: %1\nAway: %2").arg(home, away), this);
    lblQuestion->setObjectName(QStringLiteral("lblQuestion"));
    lblQuestion->setTextFormat(Qt::PlainText); // team names are data
    lblQuestion->setWordWrap(true);

    const auto button = [this](const QString& name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setDefault(false);
        return b;
    };
    cmdHome = button(QStringLiteral("cmdHome"), tr("&Home"));
    cmdAway = button(QStringLiteral("cmdAway"), tr("&Away"));
    cmdCancel = button(QStringLiteral("cmdCancel"), tr("Cancel"));
    cmdHome->setAccessibleDescription(home);
    cmdAway->setAccessibleDescription(away);
    connect(cmdHome, &QPushButton::clicked, this, [this] { answer(0); });
    connect(cmdAway, &QPushButton::clicked, this, [this] { answer(1); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdHome);
    buttons->addWidget(cmdAway);
    buttons->addStretch();
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblQuestion);
    layout->addLayout(buttons);
    adjustSize();
    CentreOnScreen(this);
}

std::optional<int> frmTimeout::choose()
{
    m_side.reset();
    exec();
    return m_side;
}

void frmTimeout::answer(int side)
{
    m_side = side;
    accept();
}

void frmTimeout::keyPressEvent(QKeyEvent* event)
{
    // A button's access key answers without Alt too: the court's keys are single letters.
    const Qt::KeyboardModifiers held = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (held == Qt::NoModifier || held == Qt::AltModifier) {
        for (QPushButton* b : {cmdHome, cmdAway}) {
            const QKeySequence key = QKeySequence::mnemonic(b->text());
            if (!key.isEmpty() && key[0].key() == Qt::Key(event->key())) {
                b->click();
                return;
            }
        }
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
