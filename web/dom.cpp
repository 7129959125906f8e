#include "web/dom.h"

#include <cstddef>

namespace ritmolis::dom {
namespace {

// The loader's functions (loader.js, module "page"): each text as its address and length.
extern "C" {
[[clang::import_module("page"), clang::import_name("get")]] std::size_t page_get(const char* node, std::size_t node_length,
                                                                         const char* property, std::size_t property_length,
                                                                         char* out, std::size_t capacity);
[[clang::import_module("page"), clang::import_name("flag")]] bool page_flag(const char* node, std::size_t node_length,
                                                                            const char* property, std::size_t property_length);
[[clang::import_module("page"), clang::import_name("set")]] void page_set(const char* node, std::size_t node_length,
                                                                          const char* property, std::size_t property_length,
                                                                          const char* value, std::size_t value_length);
[[clang::import_module("page"), clang::import_name("set_flag")]] void page_set_flag(const char* node, std::size_t node_length,
                                                                                    const char* property,
                                                                                    std::size_t property_length, bool value);
[[clang::import_module("page"), clang::import_name("call")]] void page_call(const char* node, std::size_t node_length,
                                                                            const char* method, std::size_t method_length);
[[clang::import_module("page"), clang::import_name("set_attribute")]] void page_set_attribute(
    const char* node, std::size_t node_length, const char* name, std::size_t name_length, const char* value, std::size_t value_length);
[[clang::import_module("page"), clang::import_name("remove_attribute")]] void page_remove_attribute(
    const char* node, std::size_t node_length, const char* name, std::size_t name_length);
[[clang::import_module("page"), clang::import_name("select_range")]] void page_select_range(const char* node,
                                                                                            std::size_t node_length, int start,
                                                                                            int end);
[[clang::import_module("page"), clang::import_name("append")]] void page_append(const char* node, std::size_t node_length,
                                                                                const char* markup, std::size_t markup_length);
[[clang::import_module("page"), clang::import_name("scroll_into_view")]] void page_scroll_into_view(const char* node,
                                                                                                    std::size_t node_length);
[[clang::import_module("page"), clang::import_name("listen")]] void page_listen(const char* node, std::size_t node_length,
                                                                                const char* type, std::size_t type_length,
                                                                                int line);
[[clang::import_module("page"), clang::import_name("replace_fragment")]] void page_replace_fragment(const char* text,
                                                                                                    std::size_t length);
[[clang::import_module("page"), clang::import_name("register_worker")]] void page_register_worker(const char* url,
                                                                                                  std::size_t length);
}

}  // namespace

// Most texts fit the first try; a longer one is read again into room enough.
// (That room may be more than the module's memory holds: std::bad_alloc.)
std::string Get(std::string_view node, std::string_view property) {
    std::string text(64, '\0');
    for (;;) {
        const std::size_t length =
            page_get(node.data(), node.size(), property.data(), property.size(), text.data(), text.size());
        if (length <= text.size()) {
            text.resize(length);
            return text;
        }
        text.assign(length, '\0');
    }
}

bool Flag(std::string_view node, std::string_view property) {
    return page_flag(node.data(), node.size(), property.data(), property.size());
}

void Set(std::string_view node, std::string_view property, std::string_view value) {
    page_set(node.data(), node.size(), property.data(), property.size(), value.data(), value.size());
}

void SetFlag(std::string_view node, std::string_view property, bool value) {
    page_set_flag(node.data(), node.size(), property.data(), property.size(), value);
}

void Call(std::string_view node, std::string_view method) {
    page_call(node.data(), node.size(), method.data(), method.size());
}

void SetAttribute(std::string_view node, std::string_view name, std::string_view value) {
    page_set_attribute(node.data(), node.size(), name.data(), name.size(), value.data(), value.size());
}

void RemoveAttribute(std::string_view node, std::string_view name) {
    page_remove_attribute(node.data(), node.size(), name.data(), name.size());
}

void SelectRange(std::string_view node, int start, int end) { page_select_range(node.data(), node.size(), start, end); }

void Append(std::string_view node, std::string_view markup) {
    page_append(node.data(), node.size(), markup.data(), markup.size());
}

void ScrollIntoView(std::string_view node) { page_scroll_into_view(node.data(), node.size()); }

void Listen(std::string_view node, std::string_view type, int line) {
    page_listen(node.data(), node.size(), type.data(), type.size(), line);
}

void ReplaceFragment(std::string_view fragment) { page_replace_fragment(fragment.data(), fragment.size()); }

void RegisterWorker(std::string_view url) { page_register_worker(url.data(), url.size()); }

}  // namespace ritmolis::dom
