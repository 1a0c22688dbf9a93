#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;

// "Timeout": which side takes it. H answers home and A away, as the buttons' access keys say (with
// or without Alt), Escape cancels; Enter answers nothing, so that a key pressed once too often
// never records a timeout.
class frmTimeout : public QDialog
{
    Q_OBJECT

public:
    frmTimeout(const QString& home, const QString& away, QWidget* parent = nullptr);

    // Shows the window; the side chosen (0 home, 1 away), nothing when it was cancelled.
    std::optional<int> choose();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void answer(int side);

    std::optional<int> m_side;
    QLabel* lblQuestion = nullptr;
    QPushButton* cmdHome = nullptr;
    QPushButton* cmdAway = nullptr;
    QPushButton* cmdCancel = nullptr;
};
