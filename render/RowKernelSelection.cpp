#include "render/RowKernels.h"

namespace kolvira {
namespace kernels_generic {
extern const RowKernels kRowKernels;
}
#if KOLVIRA_HAVE_AVX2_KERNELS
namespace kernels_avx2 {
extern const RowKernels kRowKernels;
}
#endif

const RowKernels& SelectedRowKernels(bool portableCode) {
#if KOLVIRA_HAVE_AVX2_KERNELS
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2 && !portableCode)
        return kernels_avx2::kRowKernels;
#endif
    return kernels_generic::kRowKernels;
}

} // namespace kolvira
