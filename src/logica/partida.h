#pragma once

// The saved game: one file, "partida", beside the scene pictures.
namespace zw {
} // namespace zw
