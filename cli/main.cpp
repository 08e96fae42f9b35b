// pixmint-cli: the icon document core without a window.
#include <array>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_support.h"

namespace {

using pixmint::cli::CliCommand;

// To add a command: write its Run function in a file of its own, declare it
// in cli_command.h and add a line here. Its summary and details are its
// --help, and the manual page is made from --help at build time.
constexpr std::array kCommands = {
    CliCommand{"info", "FILE|PROGRAM.exe", pixmint::cli::RunInfo,
               "Prints the kind of FILE and one line per image: its size, bits per pixel, how it is stored and its "
               "hot spot. An animated cursor adds its frames, steps and rates, an Xcursor file lists every image, a "
               "Windows program lists its icon and cursor groups with their names, languages and images."},
    CliCommand{"extract", "FILE|PROGRAM.exe OUTDIR", pixmint::cli::RunExtract,
               "Writes every image of FILE as a PNG picture with its alpha channel, OUTDIR/STEM-I.png (an animated "
               "cursor: STEM-F.png per frame). From a Windows program it writes each icon and cursor group as "
               "OUTDIR/PROGRAM-GROUP.ico or .cur."},
    CliCommand{"create", "OUT.ico|OUT.cur|OUT.ani PNG[:BPP][@X,Y] ... [--rate N]", pixmint::cli::RunCreate,
               "Makes an icon, cursor or animated cursor of PNG pictures of 8 to 256 pixels, one image (or one "
               "frame) each. A 256-pixel image at 32 bits is stored as PNG.",
               "  PNG:BPP    bits per pixel: 1, 4, 8, 16, 24 or 32 (the default)\n"
               "  PNG@X,Y    a cursor image's hot spot, in the picture's pixels\n"
               "  --rate N   an animated cursor's time per frame in 1/60 s (default 10)\n"},
    CliCommand{"convert",
               "OUT.ico|OUT.cur MASTER... [--sizes 16,24,...] [--depths 32,8,4] [--hotspot X,Y] [--threshold N] "
               "[--dither]",
               pixmint::cli::RunConvert,
               "Makes a whole icon or cursor of pictures (PNG, JPEG, BMP or SVG): each size from the smallest master "
               "at least as large, a master of exactly that size as it is, an SVG drawn anew at each size. 256 x 256 "
               "at 32 bits is stored as PNG.",
               "  --sizes LIST    sizes to make (default 16,20,24,32,40,48,64,256)\n"
               "  --depths LIST   bits per pixel: 32, and 8 and 4 for old systems\n"
               "  --hotspot X,Y   a cursor's hot spot, in the first master's pixels\n"
               "  --threshold N   8 and 4 bits: less opaque than N is clear (default 128)\n"
               "  --dither        8 and 4 bits: dither the colours\n"},
    CliCommand{"replace", "PROGRAM.exe GROUP NEW.ico -o OUT.exe", pixmint::cli::RunReplace,
               "Writes OUT.exe, a copy of PROGRAM.exe whose icon or cursor group GROUP (its name or number, as info "
               "prints it) holds the images of NEW.ico or NEW.cur. PROGRAM.exe itself is never changed; when its "
               "resources would have to grow but are not the file's last section, nothing is written."},
    CliCommand{"xcursor", "IN OUT", pixmint::cli::RunXcursor,
               "Converts between Windows cursors and Xcursor files: an icon, cursor, animated cursor or Xcursor file "
               "IN becomes the Xcursor file OUT, or a Windows cursor when OUT ends in .cur or .ani."},
    CliCommand{"xcursor-theme",
               "SRC_DIR (OUT_DIR | --install) [--name NAME] [--sizes 24,32,...|source] [--map ROLE=FILE]... [--json]",
               pixmint::cli::RunXcursorTheme,
               "Makes an Xcursor theme in OUT_DIR of a folder of Windows cursors (with its install.inf when there is "
               "one, else the roles their file names say), at every size asked for, under every name the desktop "
               "asks for; prints what it made and what is missing.",
               "  --name NAME       the theme's name (default: the scheme's or OUT_DIR's)\n"
               "  --install         into $XDG_DATA_HOME/icons/NAME (~/.local/share/icons/NAME)\n"
               "  --sizes LIST      sizes to make (default 24,32,48,64,96); source: only the pack's own\n"
               "  --map ROLE=FILE   the cursor of a role, over what the pack says\n"
               "  --json            the report as JSON\n"},
    CliCommand{"script", "[--lang en|zh] FILE", pixmint::cli::RunScript,
               "Runs the editor without a window on the editing script FILE, line by line, and prints what the "
               "script asks for.",
               "  --lang en|zh  the language of the editor's messages (default zh)\n"},
    CliCommand{"thumbnail", "IN OUT.png SIZE", pixmint::cli::RunThumbnail,
               "Writes OUT.png, the picture a file manager shows for IN (an icon, cursor, animated cursor or Windows "
               "program): the image that best fits SIZE pixels (1 to 1024), shrunk smoothly with its alpha, never "
               "enlarged."},
    CliCommand{"check", "[--json] [--strict] [--picks] [--favicon] FILE... | --fix -o OUT FILE", pixmint::cli::RunCheck,
               "Checks icons, cursors, animated cursors, Xcursor files and the icon groups of programs: one finding "
               "a line, FILE[#entry]: CODE severity: message (the codes are listed in the manual). Exit status 0 when "
               "nothing is wrong, 1 for warnings with --strict, 2 for errors.",
               "  --json         the findings as JSON\n"
               "  --strict       warnings count as failures (exit 1)\n"
               "  --picks        which image each program shows, and how much it is scaled\n"
               "  --favicon      hold the file to a favicon's sizes (16, 32, 48)\n"
               "  --fix -o OUT   writes OUT with the safe fixes; each fix is a line\n"},
};

constexpr std::string_view kProgram = "pixmint-cli";

// text broken into lines of at most 79 columns, each starting with indent.
std::string Wrapped(std::string_view text, std::size_t indent) {
  std::istringstream words{std::string(text)};
  std::string out, line(indent, ' '), word;
  while (words >> word) {
    if (line.size() > indent && line.size() + 1 + word.size() > 79) {
      out += line + '\n';
      line.assign(indent, ' ');
    }
    if (line.size() > indent) line += ' ';
    line += word;
  }
  return out + line + '\n';
}

void PrintCommandHelp(const CliCommand& c) {
  std::cout << "Usage: " << kProgram << ' ' << c.name << ' ' << c.usage << '\n' << Wrapped(c.summary, 0);
  if (!c.details.empty()) std::cout << '\n' << c.details;
}

void PrintHelp() {
  std::cout << "Usage: " << kProgram << " COMMAND [ARGUMENT]...\n"
            << "  or:  " << kProgram << " COMMAND --help\n"
            << "  or:  " << kProgram << " --help | --version\n"
            << Wrapped(
                   "Reads, writes, converts and extracts Windows icons and cursors without a window: the file "
                   "commands of the Pixmint icon editor, pixmint(1).",
                   0)
            << "\nCommands:\n";
  for (const CliCommand& c : kCommands) {
    std::cout << "  " << c.name << ' ' << c.usage << '\n' << Wrapped(c.summary, 8);
    // Set apart, so that the manual page shows them as a list of terms.
    if (!c.details.empty()) std::cout << '\n';
    std::istringstream details{std::string(c.details)};
    for (std::string line; std::getline(details, line);) std::cout << "        " << line << '\n';
  }
  std::cout << "\nOptions:\n"
               "  -h, --help     print this help, or a command's after its name, and exit\n"
               "      --version  print the version and exit\n"
               "\nExit status:\n"
               "  0  done\n"
               "  1  a file could not be read or written (with a message on standard error)\n"
               "  2  a wrong command line\n";
}

bool IsHelp(const std::string& word) {
  return word == "--help" || word == "-h";
}

}  // namespace

int main(int argc, char** argv) {
  using pixmint::cli::Fail;
  using pixmint::cli::kExitOk;
  using pixmint::cli::kExitUsage;
  if (argc < 2) return Fail(kExitUsage, "no command given");
  const std::string name = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (IsHelp(name)) {
    PrintHelp();
    return kExitOk;
  }
  if (name == "--version") {
    std::cout << kProgram << ' ' << PIXMINT_VERSION << '\n';
    return kExitOk;
  }
  for (const CliCommand& c : kCommands) {
    if (c.name != name) continue;
    if (!args.empty() && IsHelp(args[0])) {
      PrintCommandHelp(c);
      return kExitOk;
    }
    pixmint::cli::SetUsageCommand(c.name);
    return c.run(args);
  }
  return Fail(kExitUsage, (name.starts_with('-') ? "unknown option '" : "unknown command '") + name + "'");
}
