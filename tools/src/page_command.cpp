// qiro-tool page: one rules page drawn as the rules screen shows it, written as a PNG.
#include <optional>
#include <string_view>

#include "arguments.h"
#include "content/rules_pages.h"
#include "platform/app.h"
#include "platform/canvas.h"
#include "tools/tool.h"

namespace qiro {

namespace {

constexpr std::string_view kUsage = "usage: qiro-tool page N [--english] --out FILE.png";
constexpr int kPageDotsPerInch = 100;

}  // namespace

int runPageCommand(ToolArguments args, std::istream& /*in*/, std::ostream& /*out*/,
                   std::ostream& err) {
  Language language = Language::kFrench;
  std::string_view outPath;
  std::optional<int> page;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--english") {
      language = Language::kEnglish;
    } else if (args[i] == "--out" && i + 1 < args.size()) {
      outPath = args[++i];
    } else if (!page) {
      page = integerIn(args[i], 1, kRulesPageCount);
      if (!page) {
        err << "qiro-tool page: N is a page number from 1 to " << kRulesPageCount << '\n';
        return kToolUsageError;
      }
    } else {
      err << kUsage << '\n';
      return kToolUsageError;
    }
  }
  if (!page || outPath.empty()) {
    err << kUsage << '\n';
    return kToolUsageError;
  }

  ensureApplication();
  Layer layer(kRulesPageWidth, kRulesPageHeight);
  Canvas canvas(layer);
  DrawingContext context;
  context.setUpScreenPage(kPageDotsPerInch, kRulesPageWidth, kRulesPageHeight, kRulesPageWidth / 2,
                          kRulesPageHeight / 2, &canvas);
  drawRulesPage(context, *page, language);
  if (!layer.savePng(outPath)) {
    err << "qiro-tool page: cannot write '" << outPath << "'\n";
    return kToolFailure;
  }
  return kToolSuccess;
}

}  // namespace qiro
