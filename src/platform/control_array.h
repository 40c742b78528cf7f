// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// A control array: controls of one kind under one name, addressed by index.
// Elements made at design time are added with add(); more are loaded at run
// time as copies of element 0 (the template), start hidden and can be unloaded.
// An index that is not there (or already there, to load) throws out_of_range.
#pragma once

#include "platform/control.h"

#include <QString>

#include <map>
#include <stdexcept>
#include <string>
#include <utility>

namespace trompalo {

template <class T> class ControlArray {
public:
    explicit ControlArray(QString name) : name_(std::move(name)) {}
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    const QString& name() const { return name_; }

    // A design-time element, made as a child of parent.
    T& add(QWidget* parent, int index) {
        require(!exists(index), "add", index);
        auto* element = new T(parent, name_, index);
        elements_[index] = element;
        return *element;
    }

    // Loads element index as a copy of the template (element 0); it starts hidden.
    T& load(int index) {
        require(exists(0) && !exists(index), "load", index);
        T& templ = *elements_.at(0);
        auto* element = new T(templ.parentWidget(), name_, index);
        element->copyPropertiesFrom(templ);
        element->setVisible(false);
        raiseWindowedSiblings(*element);
        elements_[index] = element;
        return *element;
    }

    // Loads an element after the last one.
    T& loadNext() { return load(elements_.empty() ? 0 : elements_.rbegin()->first + 1); }

    // Removes an element loaded at run time.
    void unload(int index) {
        const auto found = elements_.find(index);
        require(found != elements_.end() && index != 0, "unload", index);
        T* element = found->second;
        elements_.erase(found);
        delete element;
    }

    bool exists(int index) const { return elements_.count(index) != 0; }
    T& operator[](int index) { return element(index); }
    const T& operator[](int index) const { return element(index); }
    int count() const { return static_cast<int>(elements_.size()); }

    // The elements in index order.
    template <class F> void forEach(F&& f) {
        for (const auto& [index, element] : elements_)
            f(*element);
    }
    template <class F> void forEach(F&& f) const {
        for (const auto& [index, element] : elements_)
            f(std::as_const(*element));
    }

private:
    T& element(int index) const {
        const auto found = elements_.find(index);
        require(found != elements_.end(), "find", index);
        return *found->second;
    }
    void require(bool ok, const char* what, int index) const {
        if (!ok)
            throw std::out_of_range(name_.toStdString() + ": cannot " + what + " " +
                                    std::to_string(index));
    }

    QString name_;
    std::map<int, T*> elements_; // the widgets belong to their parent window
};

} // namespace trompalo
