// The small message window.
#include "ui/LabelButton.h"
#include "ui/PictureControl.h"
#include "ui/frmMiniMeldung.h"
#include "common/UiHilfen.h"

#include <QLabel>

using namespace lerno;
using namespace testhilfen;

namespace {

class MiniMeldungTest : public UiTest {};

TEST_F(MiniMeldungTest, ShowsTheCallersTextWithItsBlanksAndOkCloses)
{
    frmMiniMeldung m;
    EXPECT_EQ(m.lblMeldung->text(), "Meldung");
    m.lblMeldung->setText(" Weniger als 2 Vokabeln ");
    EXPECT_EQ(m.windowTitle(), "Mitteilung");
    bool zu = false;
    BeiModal([&](QWidget* w) {
        EXPECT_EQ(Als<frmMiniMeldung>(w)->lblMeldung->text(), " Weniger als 2 Vokabeln ");
        Klick(Als<frmMiniMeldung>(w)->lblok);
        zu = true;
    });
    m.exec();
    EXPECT_TRUE(zu);
    EXPECT_TRUE(sounds.empty());
}

TEST_F(MiniMeldungTest, CloseBoxActsLikeOk)
{
    frmMiniMeldung m;
    BeiModal([](QWidget* w) { w->close(); });
    m.exec();
    EXPECT_FALSE(m.isVisible());
}

TEST_F(MiniMeldungTest, HoverNeedsTheBackgroundFirst)
{
    frmMiniMeldung m;
    MausUeber(m.hintergrund);
    MausUeber(m.lblok);
    EXPECT_TRUE(m.lblok->istFett());
    MausUeber(&m);
    EXPECT_FALSE(m.lblok->istFett());
    EXPECT_EQ(m.lblok->punkt(), 12);
}

} // namespace
