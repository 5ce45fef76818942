#include "cli/RenderOptions.h"

#include <QCoreApplication>

namespace {

bool readInt(const QString &text, int low, int high, int *value)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < low || v > high)
        return false;
    *value = v;
    return true;
}

} // namespace

StyleSettings RenderOptions::styleSettings() const
{
    // A saved project's style gives what no option can say: border colour, font weight, background id.
    StyleSettings style = this->style ? *this->style : StyleSettings();
    style.themeId = themeId;
    style.borderSize = border;
    style.imgShadowBlur = shadow;
    style.textShadowBlur = textShadow;
    style.fontFamily = font;
    style.hasOwnFontColor = fontColor.isValid();
    if (style.hasOwnFontColor)
        style.fontColor = fontColor;
    return style;
}

bool RenderOptions::parse(const QStringList &arguments, QString *error, const PathOf &pathOf)
{
    auto fail = [error](const QString &message) {
        *error = message;
        return false;
    };
    auto path = [&](int i) { return pathOf ? pathOf(i) : arguments.at(i); };
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (optionsEnded) {
            items.append(Item{Item::Picture, path(i)});
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            help = true;
            return true;
        }
        if (argument == QLatin1String("--list")) {
            list = true;
            return true;
        }
        if (argument == QLatin1String("--beat")) {
            beat = true;
            continue;
        }
        if (argument == QLatin1String("--version")) {
            version = true;
            return true;
        }
        if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            items.append(Item{Item::Picture, path(i)});
            continue;
        }
        // A name with an extension is most likely a file that begins with "-".
        if (!isOption(argument) && argument.contains(QLatin1Char('.')))
            return fail(QStringLiteral("Unknown option %1 (see --help); for a file of that name give ./%1, or -- "
                                       "before it")
                            .arg(argument));
        if (!isOption(argument))
            return fail(QStringLiteral("Unknown option %1 (see --help)").arg(argument));
        if (i + 1 >= arguments.size())
            return fail(QStringLiteral("%1 needs a value").arg(argument));
        const QString value = arguments.at(++i);
        // Only the options that name files ask for the path: a --text is no file.
        auto valuePath = [&path, i] { return path(i); };
        given.insert(argument == QLatin1String("-o") ? QStringLiteral("--output") : argument);
        if (argument == QLatin1String("--text")) {
            items.append(Item{Item::Text, value});
        } else if (argument == QLatin1String("-o") || argument == QLatin1String("--output")) {
            output = value;
        } else if (argument == QLatin1String("--project")) {
            projectDir = valuePath();
        } else if (argument == QLatin1String("--save-project")) {
            saveProjectDir = value;
        } else if (argument == QLatin1String("--music")) {
            music.append(valuePath());
        } else if (argument == QLatin1String("--theme")) {
            if (!readInt(value, 1, 8, &themeId))
                return fail(QStringLiteral("--theme takes a theme number from 1 to 8, not \"%1\"").arg(value));
        } else if (argument == QLatin1String("--quality")) {
            if (!readInt(value, 0, 2, &quality))
                return fail(QStringLiteral("--quality takes 0, 1 or 2, not \"%1\"").arg(value));
        } else if (argument == QLatin1String("--duration")) {
            bool ok = false;
            duration = value.toDouble(&ok);
            if (!ok || !(duration > 0.0) || duration > 6000.0)
                return fail(QStringLiteral("--duration takes seconds above 0 and up to 6000, not \"%1\"").arg(value));
        } else if (argument == QLatin1String("--background")) {
            if (value.startsWith(QLatin1Char('#')) && !QColor::isValidColor(value))
                return fail(QStringLiteral("--background colour \"%1\" is not #rrggbb").arg(value));
            background = value.startsWith(QLatin1Char('#')) ? value : valuePath();
        } else if (argument == QLatin1String("--border") || argument == QLatin1String("--shadow")
                   || argument == QLatin1String("--text-shadow")) {
            int *level = argument == QLatin1String("--border") ? &border
                         : argument == QLatin1String("--shadow") ? &shadow
                                                                 : &textShadow;
            if (!readInt(value, 0, 4, level))
                return fail(QStringLiteral("%1 takes a level from 0 to 4, not \"%2\"").arg(argument, value));
        } else if (argument == QLatin1String("--font")) {
            font = value;
        } else if (argument == QLatin1String("--font-color")) {
            fontColor = QColor(value);
            if (!fontColor.isValid())
                return fail(QStringLiteral("--font-color \"%1\" is not a colour").arg(value));
        }
    }
    if (!projectDir.isEmpty() || !saveProjectDir.isEmpty())
        return checkProjectModes(error);
    if (items.isEmpty())
        return fail(QStringLiteral("No photo, folder or --text slide given (see --help)"));
    if (output.isEmpty())
        return fail(QStringLiteral("No output file given: add -o OUT.mp4"));
    return true;
}

bool RenderOptions::isOption(const QString &argument)
{
    static const QStringList withValue{
        QStringLiteral("--text"),       QStringLiteral("-o"),         QStringLiteral("--output"),
        QStringLiteral("--project"),    QStringLiteral("--save-project"), QStringLiteral("--music"),
        QStringLiteral("--theme"),      QStringLiteral("--quality"),  QStringLiteral("--duration"),
        QStringLiteral("--background"), QStringLiteral("--border"),   QStringLiteral("--shadow"),
        QStringLiteral("--text-shadow"), QStringLiteral("--font"),    QStringLiteral("--font-color")};
    return withValue.contains(argument);
}

bool RenderOptions::checkProjectModes(QString *error) const
{
    if (!projectDir.isEmpty() && !saveProjectDir.isEmpty())
        *error = QStringLiteral("--project and --save-project cannot be combined");
    else if (!saveProjectDir.isEmpty() && items.isEmpty())
        *error = QStringLiteral("No photo, folder or --text slide given for --save-project (see --help)");
    else if (!projectDir.isEmpty() && !items.isEmpty())
        *error = QStringLiteral("Photos, folders and --text cannot be given with --project: "
                                "the project names its slides");
    else if (!projectDir.isEmpty()
             && (given.contains(QStringLiteral("--music")) || given.contains(QStringLiteral("--duration"))))
        *error = QStringLiteral("--music and --duration cannot be given with --project: the project names its own");
    else
        return true;
    return false;
}

QString RenderOptions::helpText()
{
    return QStringLiteral(
        "Usage: pictovia-render [options] ITEM... -o OUT.mp4\n"
        "   or: pictovia-render --project DIR [-o OUT.mp4] [options]\n"
        "   or: pictovia-render --save-project DIR [options] ITEM...\n"
        "Renders a slideshow video without a window.\n"
        "\n"
        "Each ITEM, in order, is a slide or several:\n"
        "  PHOTO                a photo file\n"
        "  FOLDER               every .jpg, .jpeg, .png and .gif file in the folder, by name\n"
        "  --text \"TEXT\"        a text slide at that place\n"
        "\n"
        "Options:\n"
        "  -o, --output FILE    the video to write (MP4)\n"
        "  --music FILE         a music track; repeat for several, played in the given order\n"
        "  --theme ID           theme 1 to 8 (default 1)\n"
        "  --quality Q          0 = 1280x720, 1 = 1920x1080 (default), 2 = 3840x2160\n"
        "  --duration SECONDS   every slide lasts this long (up to 6000); without it the slides\n"
        "                       fit the music (5 s each when there is no music)\n"
        "  --beat               slides change on the beat of the music: fitted durations end\n"
        "                       on its beats (on bar lines when long enough), a --duration is\n"
        "                       rounded to whole beats; music without a steady beat keeps even\n"
        "                       durations, with a warning\n"
        "  --background BG      an installed background's id (see --list), a colour #rrggbb,\n"
        "                       a still picture or a looping .mp4 video (default animated00001,\n"
        "                       the application's default; a missing video is downloaded)\n"
        "  --border LEVEL       photo border 0-4: 0 the theme's own, 1 none, 2 thin ... 4 wide\n"
        "  --shadow LEVEL       photo shadow 0-4: 0 the theme's own, 1 none, 2 soft ... 4 wide\n"
        "  --text-shadow LEVEL  text shadow 0-4, as --shadow\n"
        "  --font FAMILY        font family of text slides (default: the background's font,\n"
        "                       the application font over colours and pictures)\n"
        "  --font-color COLOUR  colour of text slides, e.g. #ffffff (default: the background's\n"
        "                       text colour, white over colours and pictures)\n"
        "  --project DIR        render the saved project in DIR (its prj.xml and settings.xml:\n"
        "                       slides, durations, music, theme, style); no ITEM, --music or\n"
        "                       --duration with it. The other options override the project's.\n"
        "                       Without -o the video goes to the project's result folder as\n"
        "                       slideshow_YYYY.MM.DD_hh.mm.mp4\n"
        "  --save-project DIR   write the project the ITEMs and options describe into DIR\n"
        "                       (created when missing) instead of rendering; a folder under\n"
        "                       the application's projects folder appears in Recent Projects\n"
        "  --list               print the installed themes and backgrounds with their ids\n"
        "  -h, --help           show this help\n"
        "  --version            show the program's version\n"
        "  --                   every argument after it is an ITEM, even one that begins with -\n"
        "\n"
        "Durations: without --duration the slides share the music's length equally, but last\n"
        "at least 3 s each, and the video ends with the music. With --duration every slide\n"
        "lasts that long, and the video as long as its slides together: with few slides it is\n"
        "shorter than the music. Slides that do not fit in the music are left out, from the\n"
        "end (the first one always stays), and a warning says how many and the longest\n"
        "--duration that keeps them all. When the video ends before the music, the music fades\n"
        "out over the video's last second and the rest of it is not in the video. Without music\n"
        "every slide is shown, 5 s each unless --duration says otherwise.\n"
        "\n"
        "Progress goes to the standard error stream; Ctrl-C (or a closed terminal, or SIGTERM)\n"
        "stops and leaves no file.\n"
        "Exit status: 0 when the video was written, 1 on an error, 130 when stopped.\n");
}
