// Per-pixel work over a whole picture, spread over the processor's cores.
#pragma once

#include <QtGlobal>

#include <functional>

namespace kolvira {

// `band(first, last)` over the rows of a picture `height` rows high, in bands
// on all cores when it has `pixels` enough to be worth it (a megapixel); a
// thumbnail takes less time than starting a thread, and stays on the calling
// thread.
void ForRowBands(int height, qint64 pixels, const std::function<void(int, int)>& band);

} // namespace kolvira
