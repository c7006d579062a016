#include <charconv>
#include <ostream>

#include "Args.h"
#include "Cli.h"
#include "Commands.h"
#include "FormLoading.h"
#include "Output.h"
#include "graphics/Fonts.h"
#include "graphics/Png.h"
#include "model/FormPicture.h"

namespace tw {
namespace {

const char* kRenderUsage = "Usage: tarnowick render FILE.twk --out FILE.png [--scale N] [--face]\n";
constexpr int kMaxScale = 16;

int usage(std::ostream& err, const std::string& why) {
  err << "tarnowick render: " << why << "\n" << kRenderUsage;
  return kExitUsage;
}

}  // namespace

int runRender(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  ParsedArgs p = parseArgs(args, {"--out", "--scale"}, {"--face"});
  if (!p.error.empty()) return usage(err, p.error);
  if (p.positional.size() != 1 || !p.options.count("--out")) return usage(err, "render takes one form file and --out");
  int scale = 1;
  if (p.options.count("--scale")) {
    const std::string& s = p.options["--scale"];
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), scale);
    if (ec != std::errc() || end != s.data() + s.size() || scale < 1 || scale > kMaxScale)
      return usage(err, "--scale is a whole number from 1 to " + std::to_string(kMaxScale));
  }

  LoadedForm loaded = loadFormForCli(p.positional[0], err);
  if (!loaded.form) return kExitBadInput;
  Canvas picture = p.flags.count("--face") ? formPicture(*loaded.form, handheldFonts())
                                            : screenPicture(*loaded.form, handheldFonts());
  if (scale > 1) picture = picture.scaled(scale);
  std::string why;
  const std::vector<uint8_t> png = encodePng(picture);
  if (!writeOutput(p.options["--out"], std::string_view(reinterpret_cast<const char*>(png.data()), png.size()), &why)) {
    err << "tarnowick render: " << why << "\n";
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace tw
