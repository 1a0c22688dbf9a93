#include "game/frmGame.h"

// Placeholder until the court screen lands.
namespace {
frmGame* g_current = nullptr;
}

frmGame::frmGame(QWidget* parent) : QDialog(parent)
{
    g_current = this;
}
frmGame::~frmGame()
{
    if (g_current == this)
        g_current = nullptr;
}
frmGame* frmGame::current()
{
    return g_current;
}
void frmGame::SetUpHome() {}
void frmGame::SetUpAway() {}
void frmGame::setGame(std::shared_ptr<clsGame> game)
{
    pubGame = std::move(game);
    if (pubGame)
        pubGame->setView(this);
}
void frmGame::closeForNextGame()
{
    bShowMessage = false;
    done(NextGame);
}
void frmGame::setBoxSelected(int, bool) {}
QString frmGame::boxCaption(int) const
{
    return {};
}
void frmGame::showStatus(const QString&) {}
bool frmGame::subtractMode() const
{
    return false;
}
