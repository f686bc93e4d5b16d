// The "# Songs" label follows the catalogue through the procedures that change it.
#include "app/main_window.h"
#include "platform/number_form.h"
#include "state/globals.h"

#include <QLabel>

void Main::UpdateSongTotals()
{
    Label_TotalAllSongs->setText(SongCount < 1 ? QStringLiteral("0") : Platform::GroupedNumber(SongCount));
}
