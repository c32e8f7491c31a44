#include "cli/CCommandLine.h"

namespace {
struct CCommandForm {
    std::string_view name;
    ECliCommand command;
    std::size_t fileCount; // positional arguments, the search text included
    bool takesOptions = false;
};

constexpr CCommandForm COMMANDS[] = {
    {"dump", ECliCommand::Dump, 1},
    {"copy", ECliCommand::Copy, 2},
    {"find", ECliCommand::Find, 2, true},
    {"mail-addresses", ECliCommand::MailAddresses, 1, true},
    {"export-csv", ECliCommand::ExportCsv, 1, true},
    {"import-csv", ECliCommand::ImportCsv, 2, true},
};
} // namespace

std::optional<CCommandLine> CCommandLine::Parse(const std::vector<std::string_view>& args) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h"))
        return CCommandLine(ECliCommand::Help, {});
    if (args.empty())
        return std::nullopt;
    for (const CCommandForm& form : COMMANDS) {
        const std::size_t positional = form.fileCount + 1;
        if (args[0] != form.name || args.size() < positional ||
            (args.size() > positional && !form.takesOptions))
            continue;
        const auto options = args.begin() + static_cast<std::ptrdiff_t>(positional);
        return CCommandLine(form.command, std::vector<std::string>(args.begin() + 1, options),
                            std::vector<std::string>(options, args.end()));
    }
    return std::nullopt;
}

std::vector<std::string> CCommandLine::GetWords() const {
    std::vector<std::string> words = m_files;
    words.insert(words.end(), m_options.begin(), m_options.end());
    return words;
}

std::string CCommandLine::Usage() {
    return "使い方: tarnvale-cli <コマンド> <ファイル>...\n"
           "\n"
           "  dump ファイル       アドレス帳を JSON（UTF-8）で標準出力に書き出します。\n"
           "                      {\"groups\": [{\"name\"}...], \"persons\": [{\"name\", \"zip\", "
           "...,\n"
           "                      \"sex\", \"groups\": [グループの番号...]}...]}\n"
           "  copy 入力 出力      入力のアドレス帳を読み込んで出力に保存します。\n"
           "                      出力が既にあれば「出力.bak」に残してから置き換えます。\n"
           "  mail-addresses ファイル [--group 名前] [--field 1|2] [--separator 文字列] [--label]\n"
           "                      メールを書くときと同じ規則でメールアドレスをつないで UTF-8 で\n"
           "                      1 行に書き出します（--label では宛名つきの一覧）。既定は全員\n"
           "                      （保存順）、e-mail (1)、区切り「;」。--group "
           "ではその名前の最初の\n"
           "                      グループの所属員を所属順に。アドレスを持つ人がいなければ何も\n"
           "                      書き出さずに 0 で終わります。\n"
           "  find ファイル 文字列 [--fields 番号,...] [--ignore-case-width]\n"
           "                      選んだ項目（番号 0-10、既定はすべて）に文字列を含む人を\n"
           "                      {\"persons\": [{dump と同じ項目..., \"index\": 位置}...]} "
           "で書き出します。\n"
           "                      --ignore-case-width で大文字/小文字、全角/半角を区別しません。\n"
           "  export-csv ファイル [--fields 一覧] [--group 名前] [--encoding cp932|utf-8]\n"
           "             [--output 出力]\n"
           "                      人物を CSV で標準出力（または出力）に書き出します。一覧は\n"
           "                      項目番号 0-10 をコンマで区切った書き出し順（既定 0,1,...,10）。\n"
           "  import-csv CSV 出力 [--map 一覧] [--add] [--encoding auto|cp932|utf-8]\n"
           "             [--header] [--rfc4180] [--replace-unencodable]\n"
           "                      CSV の各行を人物として出力に保存します。一覧は項目 0-10 の\n"
           "                      順に、元になる CSV の列番号（0 から）か「-」。--add で出力に\n"
           "                      追加します。\n"
           "  --help, -h          この説明を表示します。\n"
           "\n"
           "終了コード: 0 成功、1 ファイルを読めないか保存できない（理由を標準エラーに 1 行）、\n"
           "            2 使い方の誤り。\n";
}
