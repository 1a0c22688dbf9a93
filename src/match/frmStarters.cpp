#include "match/frmStarters.h"

#include "game/frmGame.h"

// Placeholder until the line-up window lands.
namespace {
frmStarters* g_current = nullptr;
std::unique_ptr<clsMatch> g_match;
std::shared_ptr<clsGame> g_game;
std::unique_ptr<frmGame> g_screen;
}

frmStarters::frmStarters(QWidget* parent) : QDialog(parent)
{
    g_current = this;
}
frmStarters::~frmStarters()
{
    if (g_current == this)
        g_current = nullptr;
}
frmStarters* frmStarters::current()
{
    return g_current;
}
clsMatch& frmStarters::pubMatch()
{
    if (!g_match)
        g_match = std::make_unique<clsMatch>();
    return *g_match;
}
void frmStarters::releasePubMatch()
{
    g_match.reset();
}
std::shared_ptr<clsGame> frmStarters::pubGame()
{
    if (!g_game)
        g_game = std::make_shared<clsGame>();
    return g_game;
}
void frmStarters::setPubGame(std::shared_ptr<clsGame> game)
{
    g_game = std::move(game);
}
void frmStarters::releasePubGame()
{
    g_game.reset();
}
void frmStarters::SetupTheHomeTeam() {}
void frmStarters::SetupTheAwayTeam() {}
frmGame& frmStarters::game()
{
    if (!g_screen)
        g_screen = std::make_unique<frmGame>();
    return *g_screen;
}
void frmStarters::releaseGame()
{
    g_screen.reset();
}
void frmStarters::BeginSubstitution(const QList<std::shared_ptr<clsPlayer>>&, const QList<std::shared_ptr<clsPlayer>>&,
                                    std::shared_ptr<clsGame>)
{
}
QListWidget* frmStarters::lstTeam(int) const
{
    return nullptr;
}
