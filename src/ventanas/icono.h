// The game's icon, for the title bars and the task bar.
#pragma once

#include <QIcon>

namespace zw {

// Its rasters are read one at a time, when a size is asked for.
QIcon iconoDelJuego();

} // namespace zw
