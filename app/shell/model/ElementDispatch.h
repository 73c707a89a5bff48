#pragma once

#include "app/elements/frame/CEleHead.h"
#include "app/records/ElementKinds.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <type_traits>
#include <utility>

// The machinery of the element object's switch on the kind. Each kind with
// a model is one row (its kind and its model class) of the table in
// ElementKindTable.h; an operation names the kinds it applies to and what to
// call on the model, and every other kind gives the operation's neutral
// result without touching anything.

// One row: an element kind and the class of its model.
template <int32_t Kind, class Model> struct KindRow {
    static constexpr int32_t kKind = Kind;
    using ModelType = Model;
};

// A set of kinds (1 to 16 and 200) as bits, for the kinds column of an
// operation.
class KindSet {
public:
    constexpr KindSet(std::initializer_list<int32_t> kinds) {
        for (int32_t kind : kinds)
            m_bits |= Bit(kind);
    }
    // Kinds first to last, both included.
    static constexpr KindSet Range(int32_t first, int32_t last) {
        KindSet set{};
        for (int32_t kind = first; kind <= last; ++kind)
            set.m_bits |= Bit(kind);
        return set;
    }
    constexpr KindSet operator|(KindSet other) const {
        KindSet set = *this;
        set.m_bits |= other.m_bits;
        return set;
    }
    constexpr bool Has(int32_t kind) const { return (m_bits & Bit(kind)) != 0; }

private:
    static constexpr uint32_t Bit(int32_t kind) {
        if (kind >= 1 && kind <= 16)
            return 1u << kind;
        return kind == kKindText ? 1u << 17 : 0u;
    }
    uint32_t m_bits = 0;
};

// Ends the table, so that every row can be written with its comma.
struct EndOfRows {
    static constexpr int32_t kKind = -1;
    using ModelType = void;
};

template <class... Rows> struct KindTable {
    // Whether the kind has a model in this program.
    static constexpr bool HasModel(int32_t kind) { return (IsRow<Rows>(kind) || ...); }

    // A new model of the kind made by its default constructor; null for a
    // kind without a model.
    static std::unique_ptr<CEleHead> Create(int32_t kind) {
        std::unique_ptr<CEleHead> model;
        (CreateIf<Rows>(kind, model) || ...);
        return model;
    }

    // A copy of a model of the kind made by the model's own copy.
    static std::unique_ptr<CEleHead> Copy(int32_t kind, const CEleHead& source) {
        std::unique_ptr<CEleHead> model;
        (CopyIf<Rows>(kind, source, model) || ...);
        return model;
    }

    // Calls call(model as its own class) for the row of the kind and gives
    // its result; the neutral result for a kind outside kinds, a kind
    // without a model or an element without one.
    template <class R, class Call>
    static R Visit(int32_t kind, CEleHead* model, KindSet kinds, R neutral, Call&& call) {
        R result = neutral;
        if (model && kinds.Has(kind))
            (CallIf<Rows>(kind, *model, call, &result) || ...);
        return result;
    }

    template <class Call>
    static void VisitVoid(int32_t kind, CEleHead* model, KindSet kinds, Call&& call) {
        if (model && kinds.Has(kind))
            (CallVoidIf<Rows>(kind, *model, call) || ...);
    }

private:
    template <class Row> static constexpr bool IsRow(int32_t kind) {
        return !std::is_void_v<typename Row::ModelType> && kind == Row::kKind;
    }
    template <class Row> static bool CreateIf(int32_t kind, std::unique_ptr<CEleHead>& model) {
        if constexpr (std::is_void_v<typename Row::ModelType>) {
            return false;
        } else {
            if (kind != Row::kKind)
                return false;
            model = std::make_unique<typename Row::ModelType>();
            return true;
        }
    }
    template <class Row>
    static bool CopyIf(int32_t kind, const CEleHead& source, std::unique_ptr<CEleHead>& model) {
        if constexpr (std::is_void_v<typename Row::ModelType>) {
            return false;
        } else {
            if (kind != Row::kKind)
                return false;
            model = std::make_unique<typename Row::ModelType>(
                static_cast<const typename Row::ModelType&>(source));
            return true;
        }
    }
    template <class Row, class Call, class R>
    static bool CallIf(int32_t kind, CEleHead& model, Call& call, R* result) {
        if constexpr (std::is_void_v<typename Row::ModelType>) {
            return false;
        } else {
            if (kind != Row::kKind)
                return false;
            *result = call(static_cast<typename Row::ModelType&>(model));
            return true;
        }
    }
    template <class Row, class Call>
    static bool CallVoidIf(int32_t kind, CEleHead& model, Call& call) {
        if constexpr (std::is_void_v<typename Row::ModelType>) {
            return false;
        } else {
            if (kind != Row::kKind)
                return false;
            call(static_cast<typename Row::ModelType&>(model));
            return true;
        }
    }
};
