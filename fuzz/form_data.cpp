// A screen's saved form (the JSON of quillmark/forms) read and built onto a
// widget as a screen loads it. A refused form (RuntimeError) is fine; when it
// is built, every control it names is there under its name.
#include "FuzzSupport.h"

#include "quillmark/data/RuntimeError.h"
#include "quillmark/shell/FormData.h"
#include "quillmark/shell/FormLoader.h"

#include <QApplication>
#include <QWidget>

using namespace quillmark;

namespace {

void collectNames(const std::vector<ControlRecord>& records, QStringList& names) {
    for (const ControlRecord& record : records) {
        names << record.name;
        collectNames(record.children, names);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::startApplication<QApplication>(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FormData form;
    try {
        form = FormData::fromJson(fuzz::bytes(data, size), QStringLiteral("fuzz"));
    } catch (const RuntimeError&) {
        return 0;
    }
    form.sizePixels();
    QStringList names;
    collectNames(form.controls, names);
    for (const QString& name : names) {
        fuzz::check(form.find(name) != nullptr, "every control of a form is found by name", name);
    }
    QWidget target;
    try {
        const QHash<QString, QWidget*> controls = FormLoader::build(form, &target);
        for (const QString& name : names) {
            fuzz::check(controls.contains(name), "every control of a form is built", name);
        }
    } catch (const RuntimeError&) {
        fuzz::check(target.findChildren<QWidget*>().isEmpty(),
                    "a form that fails to build leaves no controls behind");
    }
    return 0;
}
