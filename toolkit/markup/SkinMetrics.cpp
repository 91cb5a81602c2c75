// The one installed source of skin sizes.
#include "toolkit/markup/SkinMetrics.h"

namespace toolkit {
namespace {

SkinMetrics* g_metrics = nullptr;

}  // namespace

void SkinMetrics::install(SkinMetrics* metrics) { g_metrics = metrics; }

bool SkinMetrics::lookup(std::u16string_view styleName, AttrKey skin, Size* out) {
  return g_metrics && g_metrics->skinSize(styleName, skin, out);
}

}  // namespace toolkit
