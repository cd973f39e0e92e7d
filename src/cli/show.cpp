#include "cli/show.h"

#include "cli/keyboard_drawing.h"
#include "cli/output.h"
#include "flows/flows.h"
#include "platform/files.h"
#include "platform/text.h"

#include <QFile>
#include <QSaveFile>

#include <iostream>

namespace fs = std::filesystem;

namespace cli {
namespace {

QJsonObject keyboardJson(const std::string& item, const installer::KeyboardModel& model)
{
    using installer::Layer;
    static const auto name = [](Layer layer) { return QString::fromUtf8(installer::layerName(layer)); };
    // Inserted in the order a JSON object keeps its names, each one appended, which is cheapest.
    static const std::pair<QString, Layer> before[] = {{name(Layer::caps), Layer::caps}},
                                           after[] = {{name(Layer::none), Layer::none},
                                                      {name(Layer::option), Layer::option},
                                                      {name(Layer::shift), Layer::shift},
                                                      {name(Layer::shiftOption), Layer::shiftOption}};
    QJsonArray keys;
    for (const installer::KeyOutputs& key : model.keys) {
        QJsonObject object;
        QJsonArray dead;
        for (const Layer layer : installer::allLayers)
            if (key.isDead(layer))
                dead.append(name(layer));
        for (const auto& [field, layer] : before)
            object.insert(field, QString::fromStdString(key[layer]));
        object.insert(QStringLiteral("code"), key.code);
        object.insert(QStringLiteral("dead"), dead);
        for (const auto& [field, layer] : after)
            object.insert(field, QString::fromStdString(key[layer]));
        keys.append(object);
    }
    return {{"item", QString::fromStdString(item)},
            {"file", QString::fromStdString(model.file)},
            {"name", QString::fromStdString(model.name)},
            {"keys", keys}};
}

bool save(const fs::path& file, const QByteArray& contents)
{
    QSaveFile out(QFile::decodeName(file.c_str()));
    if (out.open(QIODevice::WriteOnly) && out.write(contents) == contents.size() && out.commit()) {
        tell("Saved the picture in " + platform::inQuotes(file.string()) + ".");
        return true;
    }
    tell("Couldn't save the picture in " + platform::inQuotes(file.string()) + ": " + out.errorString().toStdString()
         + ".");
    return false;
}

}  // namespace

installer::ItemKeyboards readKeyboards(const fs::path& item)
{
    installer::ItemKeyboards read = installer::readItemKeyboards(item);
    tellFindings(read.report);
    return read;
}

ExitCode show(const std::vector<fs::path>& items, const ShowOptions& options)
{
    const installer::KeyboardShape shape = options.iso ? installer::KeyboardShape::iso : installer::KeyboardShape::ansi;
    QJsonArray document;
    bool allShown = true;
    std::string pictures;
    for (const fs::path& item : items) {
        const installer::ItemKeyboards read = readKeyboards(item);
        if (!read.report.installable()) {
            tell(platform::inQuotes(platform::lastPathComponent(item)) + " cannot be shown.");
            allShown = false;
            continue;
        }
        for (const installer::KeyboardModel& keyboard : read.keyboards) {
            document.append(keyboardJson(item.string(), keyboard));
            if (!options.json && !options.svg)
                pictures.append(pictures.empty() ? "" : "\n").append(textDrawing(keyboard, shape));
        }
        if (options.svg)
            allShown = save(*options.svg, svgDrawing(read.keyboards, shape)) && allShown;
    }
    if (options.json)
        printJson(document);
    else if (!options.svg)
        std::cout << pictures;
    return allShown ? succeeded : failed;
}

}  // namespace cli
