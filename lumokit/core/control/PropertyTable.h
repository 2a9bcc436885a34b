#pragma once

// A control's saved properties, one entry each: the key, the value a newly
// placed control takes, and the default that a property bag supplies for a
// missing key and that the writer leaves out (the two may differ on purpose).
// One table places a new control, reads and writes the bag, in the table's
// order, which is the order of the keys in the bag.
//
//     table.field("BorderColor", &LumoXPButton::m_BorderColor, 0xFFFFFFu, 0xFFFFFFu)
//          .property<QString>("Caption", placed, bagDefault, getter, setter)
//          .font("Font");
#include <lumokit/PropertyBag.h>
#include <lumokit/StdFont.h>

#include <QString>

#include <functional>
#include <type_traits>
#include <utility>
#include <vector>

namespace lumokit {

template <typename C> class PropertyTable {
public:
    template <typename T> using Getter = std::function<T(const C&)>;
    template <typename T> using Setter = std::function<void(C&, const T&)>;

    // A property stored and applied through the control's own functions.
    template <typename T>
    PropertyTable& property(const char* key, T placed, std::type_identity_t<T> bagDefault,
                            std::type_identity_t<Getter<T>> get,
                            std::type_identity_t<Setter<T>> set) {
        const QString name = QString::fromLatin1(key);
        m_entries.push_back(Entry{name, [set, placed](C& control) { set(control, placed); },
                                  [name, set, bagDefault](C& control, const PropertyBag& bag) {
                                      set(control, fromBag(bag, name, bagDefault));
                                  },
                                  [name, get, bagDefault](const C& control, PropertyBag& bag) {
                                      bag.WriteProperty(name, toBag(get(control)),
                                                        toBag(bagDefault));
                                  }});
        return *this;
    }

    // A field of the control, stored as it is.
    template <typename T>
    PropertyTable& field(const char* key, T C::*member, std::type_identity_t<T> placed,
                         std::type_identity_t<T> bagDefault) {
        return property<T>(
            key, placed, bagDefault, [member](const C& control) { return control.*member; },
            [member](C& control, const T& value) { control.*member = value; });
    }

    // A field of a structure the control keeps (its settings), stored as it is.
    template <typename M, typename T>
    PropertyTable& member(const char* key, M C::*outer, T M::*inner, std::type_identity_t<T> placed,
                          std::type_identity_t<T> bagDefault) {
        return property<T>(
            key, placed, bagDefault,
            [outer, inner](const C& control) { return control.*outer.*inner; },
            [outer, inner](C& control, const T& value) { control.*outer.*inner = value; });
    }

    // The control's font, placed and defaulting to the container's ambient font.
    PropertyTable& font(const char* key) {
        const QString name = QString::fromLatin1(key);
        m_entries.push_back(
            Entry{name, [](C& control) { control.setFontObject(control.Ambient().Font()); },
                  [name](C& control, const PropertyBag& bag) {
                      control.setFontObject(bag.read<StdFont>(name, control.Ambient().Font()));
                  },
                  [name](const C& control, PropertyBag& bag) {
                      bag.WriteProperty(name, QVariant::fromValue(control.fontObject()),
                                        QVariant::fromValue(control.Ambient().Font()));
                  }});
        return *this;
    }

    void place(C& control) const {
        for (const Entry& entry : m_entries) {
            entry.place(control);
        }
    }
    void read(C& control, const PropertyBag& bag) const {
        for (const Entry& entry : m_entries) {
            entry.read(control, bag);
        }
    }
    void write(const C& control, PropertyBag& bag) const {
        for (const Entry& entry : m_entries) {
            entry.write(control, bag);
        }
    }

private:
    struct Entry {
        QString key;
        std::function<void(C&)> place;
        std::function<void(C&, const PropertyBag&)> read;
        std::function<void(const C&, PropertyBag&)> write;
    };

    // Enumerations are stored as 32-bit numbers.
    template <typename T> static QVariant toBag(const T& value) {
        if constexpr (std::is_enum_v<T>) {
            return QVariant::fromValue(static_cast<qint32>(value));
        } else {
            return QVariant::fromValue(value);
        }
    }
    template <typename T>
    static T fromBag(const PropertyBag& bag, const QString& key, const T& bagDefault) {
        if constexpr (std::is_enum_v<T>) {
            return static_cast<T>(bag.read<qint32>(key, static_cast<qint32>(bagDefault)));
        } else {
            return bag.read<T>(key, bagDefault);
        }
    }

    std::vector<Entry> m_entries;
};

} // namespace lumokit
