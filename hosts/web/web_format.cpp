#include "web/web_format.h"

#include "automation/automation_error.h"
#include "cli/query_registry.h"
#include "document/document.h"
#include "document/render_together.h"
#include "script/command_runner.h"
#include "web/run_and_write_units.h"

namespace glyphwright::web {

namespace {

AutomationError UnknownQuery(std::u16string_view name) {
  return AutomationError(5, u"No job is called \"" + std::u16string(name) + u"\".");
}

// The jobs never change while the program runs: one registry a thread, made at its first job.
const cli::QueryRegistry& Queries() {
  thread_local const cli::QueryRegistry queries = cli::BuiltInQueries();
  return queries;
}

void PutSettings(Dispatch& query, const std::vector<Setting>& settings) {
  for (const Setting& setting : settings) {
    const DispId id = query.GetIDsOfNames(setting.name);
    if (id == kUnknownDispId) continue;
    Variant value(setting.value);
    Variant* args[] = {&value};
    query.Invoke(id, InvokeKind::PropertyPut, args);
  }
}

}  // namespace

FormatResult RunJob(const Job& job, const std::shared_ptr<Document>& document) {
  const cli::QueryEntry* entry = Queries().Find(job.query);
  if (entry == nullptr) throw UnknownQuery(job.query);

  document->Select(0, document->Size());
  std::u16string text = document->BeginQuery();
  const DispatchRef query = entry->make();
  PutSettings(*query, job.settings);
  CommandRunner runner;
  runner.SetExecuter(document);
  FormatResult result;
  if (StreamedCommands* streamed = cli::StreamingQuery(*query, *entry)) {
    // Each unit runs as it is made and is written to the script at the same time: the script
    // of a long text is made once and never parsed back.
    RunAndWriteUnits units(runner);
    ScriptSink sink(units);
    runner.BeginUnits();
    streamed->StreamCommands(std::move(text), sink);
    result.script = units.TakeScript();
  } else {
    if (cli::HasFontListener(*query)) {
      Variant listener{DispatchRef(document)};
      Variant* args[] = {&listener};
      CallByName(*query, u"FontListener", InvokeKind::PropertyPutRef, args);
    }
    Variant argument(std::move(text));
    Variant* args[] = {&argument};
    result.script.isAscii = false;
    result.script.wide = CallByName(*query, u"GetCommands", InvokeKind::Method, args).ToText();
    runner.Run(result.script.wide);
  }
  HtmlTextUnicode rendered = RenderHtmlTextUnicode(*document);
  result.html = std::move(rendered.html);
  result.text = std::move(rendered.text);
  result.unicode = std::move(rendered.unicode);
  return result;
}

FormatResult Format(const Job& job, std::u16string_view text) {
  return RunJob(job, std::make_shared<Document>(text));
}

std::u16string QueryList() {
  std::u16string list;
  for (const cli::QueryEntry& entry : Queries().Entries()) {
    list.append(entry.alias).append(u"\t").append(entry.className).append(u"\n");
  }
  return list;
}

}  // namespace glyphwright::web
