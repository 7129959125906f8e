#include "web/dom.h"

namespace ritmolis::dom {
namespace {

// The loader's functions (loader.js, module "page"): each text as its address and length.
extern "C" {
[[clang::import_module("page"), clang::import_name("get")]] int page_get(const char* node, int node_length,
                                                                         const char* property, int property_length,
                                                                         char* out, int capacity);
[[clang::import_module("page"), clang::import_name("flag")]] bool page_flag(const char* node, int node_length,
                                                                            const char* property, int property_length);
[[clang::import_module("page"), clang::import_name("set")]] void page_set(const char* node, int node_length,
                                                                          const char* property, int property_length,
                                                                          const char* value, int value_length);
[[clang::import_module("page"), clang::import_name("set_flag")]] void page_set_flag(const char* node, int node_length,
                                                                                    const char* property,
                                                                                    int property_length, bool value);
[[clang::import_module("page"), clang::import_name("call")]] void page_call(const char* node, int node_length,
                                                                            const char* method, int method_length);
[[clang::import_module("page"), clang::import_name("set_attribute")]] void page_set_attribute(
    const char* node, int node_length, const char* name, int name_length, const char* value, int value_length);
[[clang::import_module("page"), clang::import_name("remove_attribute")]] void page_remove_attribute(
    const char* node, int node_length, const char* name, int name_length);
[[clang::import_module("page"), clang::import_name("select_range")]] void page_select_range(const char* node,
                                                                                            int node_length, int start,
                                                                                            int end);
[[clang::import_module("page"), clang::import_name("append")]] void page_append(const char* node, int node_length,
                                                                                const char* markup, int markup_length);
[[clang::import_module("page"), clang::import_name("scroll_into_view")]] void page_scroll_into_view(const char* node,
                                                                                                    int node_length);
[[clang::import_module("page"), clang::import_name("listen")]] void page_listen(const char* node, int node_length,
                                                                                const char* type, int type_length,
                                                                                int line);
[[clang::import_module("page"), clang::import_name("replace_fragment")]] void page_replace_fragment(const char* text,
                                                                                                    int length);
[[clang::import_module("page"), clang::import_name("register_worker")]] void page_register_worker(const char* url,
                                                                                                  int length);
}

int Size(std::string_view text) { return static_cast<int>(text.size()); }

}  // namespace

// Most texts fit the first try; a longer one is read again into room enough.
// (That room may be more than the module's memory holds: std::bad_alloc.)
std::string Get(std::string_view node, std::string_view property) {
    std::string text(64, '\0');
    for (;;) {
        const int length = page_get(node.data(), Size(node), property.data(), Size(property), text.data(), Size(text));
        if (length <= Size(text)) {
            text.resize(static_cast<std::size_t>(length));
            return text;
        }
        text.assign(static_cast<std::size_t>(length), '\0');
    }
}

bool Flag(std::string_view node, std::string_view property) {
    return page_flag(node.data(), Size(node), property.data(), Size(property));
}

void Set(std::string_view node, std::string_view property, std::string_view value) {
    page_set(node.data(), Size(node), property.data(), Size(property), value.data(), Size(value));
}

void SetFlag(std::string_view node, std::string_view property, bool value) {
    page_set_flag(node.data(), Size(node), property.data(), Size(property), value);
}

void Call(std::string_view node, std::string_view method) {
    page_call(node.data(), Size(node), method.data(), Size(method));
}

void SetAttribute(std::string_view node, std::string_view name, std::string_view value) {
    page_set_attribute(node.data(), Size(node), name.data(), Size(name), value.data(), Size(value));
}

void RemoveAttribute(std::string_view node, std::string_view name) {
    page_remove_attribute(node.data(), Size(node), name.data(), Size(name));
}

void SelectRange(std::string_view node, int start, int end) { page_select_range(node.data(), Size(node), start, end); }

void Append(std::string_view node, std::string_view markup) {
    page_append(node.data(), Size(node), markup.data(), Size(markup));
}

void ScrollIntoView(std::string_view node) { page_scroll_into_view(node.data(), Size(node)); }

void Listen(std::string_view node, std::string_view type, int line) {
    page_listen(node.data(), Size(node), type.data(), Size(type), line);
}

void ReplaceFragment(std::string_view fragment) { page_replace_fragment(fragment.data(), Size(fragment)); }

void RegisterWorker(std::string_view url) { page_register_worker(url.data(), Size(url)); }

}  // namespace ritmolis::dom
