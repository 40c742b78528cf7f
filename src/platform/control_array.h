// A control array: controls of one kind under one name, addressed by index.
// Elements made at design time are added with add(); more are loaded at run
// time as copies of element 0 (the template), start hidden and can be unloaded.
#pragma once

#include "platform/control.h"

#include <QString>

#include <cassert>
#include <map>

namespace trompalo {

template <class T> class ControlArray {
public:
    explicit ControlArray(QString name) : name_(std::move(name)) {}
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    const QString& name() const { return name_; }

    // A design-time element, made as a child of parent.
    T& add(QWidget* parent, int index) {
        assert(!exists(index));
        auto* element = new T(parent, name_, index);
        elements_[index] = element;
        return *element;
    }

    // Loads element index as a copy of the template (element 0); it starts hidden.
    T& load(int index) {
        assert(exists(0) && !exists(index));
        T& templ = *elements_.at(0);
        auto* element = new T(templ.parentWidget(), name_, index);
        element->copyPropertiesFrom(templ);
        element->setVisible(false);
        raiseWindowedSiblings(*element);
        elements_[index] = element;
        return *element;
    }

    // Removes an element loaded at run time.
    void unload(int index) {
        const auto found = elements_.find(index);
        assert(found != elements_.end() && index != 0);
        T* element = found->second;
        elements_.erase(found);
        delete element;
    }

    bool exists(int index) const { return elements_.count(index) != 0; }
    T& operator[](int index) const {
        assert(exists(index));
        return *elements_.at(index);
    }
    int count() const { return static_cast<int>(elements_.size()); }

    // The elements in index order.
    template <class F> void forEach(F&& f) const {
        for (const auto& [index, element] : elements_)
            f(*element);
    }

private:
    QString name_;
    std::map<int, T*> elements_; // the widgets belong to their parent window
};

} // namespace trompalo
