// PROBE mode: the C++ file is a probe decoder instead of a test driver. Application code built
// with the trace macros of the probe header reports each message it sends or receives; the
// decoder turns each report into the runtime calls a driver of the script would have made (send,
// WAITTIL, event, dump), under the element numbers of the TDC file.
//
// DEFAULT: the application links the decoder and reports through qlx_create_probe and
// qlx_write_probe, which decode at once. CUSTOM: the application records through the probe
// runtime ("probecst.h"), and qlx_dump_inst later reads a recording back and decodes it.
//
// This file writes the frame: the head, the header's macros and prototypes, the reduced class and
// its context, the dump functions, the selectors, the start and end of a decoding and the
// recording reader; the decoder itself is in cpp_probe_decoder.cpp.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "gen/cpp/cpp_comm.h"
#include "gen/cpp/cpp_writer.h"
#include "gen/model_walk.h"
#include "iface/query/anc_select_struct.h"

namespace gen {

using sema::Entry;
using sema::EntryKind;

namespace {

constexpr int probe_custom = 2;

// The file name of a path, without its directory.
std::string file_name_of(const std::string& path) {
  std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The paths of the "select" fields of a select struct text, in the order of the text:
// "QLX_T.select", "QLX_T.u.select", ... A field inside an array of unions has no single path and
// is left out.
std::vector<std::string> selector_paths(const std::string& text) {
  std::vector<std::vector<std::string>> frames;
  std::vector<std::string> paths;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (line.rfind("struct {", 0) == 0) {
      frames.emplace_back();
    } else if (line == "int select;" && !frames.empty()) {
      frames.back().push_back("select");
    } else if (line.rfind("}", 0) == 0 && !frames.empty()) {
      std::string name = line.substr(1, line.size() > 2 ? line.size() - 2 : 0);  // "}name;"
      std::vector<std::string> inner = std::move(frames.back());
      frames.pop_back();
      for (std::string& path : inner) {
        if (name.find('[') != std::string::npos) continue;
        path = name + "." + path;
        if (frames.empty()) {
          paths.push_back(std::move(path));
        } else {
          frames.back().push_back(std::move(path));
        }
      }
    }
  }
  return paths;
}

}  // namespace

void write_probe_decoder_file(GenContext& context, const CppParameters& parameters) {
  CppWriter writer(context, parameters);
  gen_open(context.outputs, writer.out(), parameters.source);
  writer.write_probe_file();
  gen_close(writer.out());
}

// A line of the probe header; a text starting with "\n" has an empty line before it.
void CppWriter::header_line(std::string_view text) {
  GenOutput& header = context_.probe_header;
  if (!text.empty() && text.front() == '\n') {
    gen_line(header, "");
    text.remove_prefix(1);
  }
  gen_line(header, text);
}

void CppWriter::write_probe_file() {
  write_probe_head();
  write_probe_header_additions();
  write_probe_class();
  const auto with_values = message_types_with_values(context_.model.global());
  for (const Entry* e = context_.model.global()->first; e != nullptr; e = e->next) {
    if (e->kind != EntryKind::MessageType || with_values.count(e) == 0) continue;
    const std::vector<const Entry*>& values = message_values(e);
    if (!values.empty()) write_dump_function(e, values, select_struct_of(e));
  }
  write_probe_selectors();
  if (context_.parameters.probe_mode != probe_custom) write_probe_entry_points();
  write_probe_start_stop();
  write_probe_decoder();
  if (context_.parameters.probe_mode == probe_custom) write_probe_dump_inst();
  // The script's own C declarations.
  for (const Entry* e = context_.model.global()->first; e != nullptr; e = e->next) {
    if (e->kind == EntryKind::NativeDeclaration) raw(e->text);
  }
}

// The head of the file, the interface files and the probe header. The header sits beside the
// source whatever directory the root names, so it is included by its file name.
void CppWriter::write_probe_head() {
  write_file_comment();
  if (parameters_.start_routine != "<main>") define("QUELT", parameters_.start_routine + "_class");
  for (const std::string& file : parameters_.interface_files) {
    raw("#include \"" + gen_c_path(file) + "\"");
    empty();
  }
  raw("#include \"" + gen_c_path(file_name_of(context_.probe_header.name)) + "\"");
  raw("#include <string>");
}

void CppWriter::write_probe_header_additions() {
  bool custom = context_.parameters.probe_mode == probe_custom;
  header_line("#ifdef USE_QMK");
  header_line("#undef USE_QMK");
  header_line("#endif");
  header_line("#define USE_QMK 1");
  header_line("#include \"TP.h\"");
  if (custom) {
    header_line("#include \"probecst.h\"");
    empty();
    raw("typedef struct QLX_T_CTX *QLX_PT_CTX;");
  } else {
    header_line("\ntypedef struct QLX_T_CTX *QLX_PT_CTX;");
    header_line("\n#define QLX_CTX_PRB QLX_PT_CTX");
    header_line("\n#include \"qlxdeclar.h\"");
  }
  header_line("#define quelt_concat(a,b) a##b");
  header_line("#define quelt_concat_3(a,b,c) a##b##c");
  header_line("#define quelt_concat_4(a,b,c,d) a##b##c##d");
  header_line("#define quelt_concat_6(a,b,c,d,e,f) a##b##c##d##e##f");
  header_line("\n/************* Definition of macros for dumping messages *********/ ");
  header_line("#define qlx_start_trace(ctx,path,instance,p1) ctx=qlx_create_probe(path,#instance,p1)");
  header_line(custom ? "#define qlx_end_trace(ctx) qlx_end_probe(ctx)" : "#define qlx_end_trace(ctx) qlx_stop_probe(ctx)");
  header_line("#define qlx_send_trace(ctx,dist,msg,type,reportmsgname) "
              "qlx_write_probe(ctx,quelt_concat_6(QLX_TDC_SEND_,type,_,reportmsgname,_,dist),0,msg,sizeof(type))");
  header_line("#define qlx_recv_trace(ctx,dist,msg,type,reportmsgname) "
              "qlx_write_probe(ctx,quelt_concat_6(QLX_TDC_RECV_,type,_,reportmsgname,_,dist),0,msg,sizeof(type))");
  header_line("#define qlx_format_trace(file_format) ");
  header_line(custom ? "#define qlx_select_trace(ctx,code,value) qlx_write_key(ctx,code,value)"
                     : "#define qlx_select_trace(ctx,code,value) qlx_set_selector(ctx,code,value)");
  header_line(custom ? "#define qlx_dump_trace() qlx_dump_all_inst()" : "#define qlx_dump_trace() ");
  header_line("\n/************* Enf of macros definition *********/ ");
  if (custom) {
    header_line("\nextern \"C\" void qlx_dump_all_inst ();");
    header_line("\nextern \"C\" void qlx_dump_inst (QLX_CTX_PRB prb_ctx,QLX_PT_CAR path,QLX_PT_CAR riofile,"
                "QLX_PT_CAR instName,QLX_T_UINT other); ");
    raw("#define qlx_set_time(qlx_ctx,time)\tqlx_memcpy(&(qlx_ctx->qlx_quelt.qlx_runtime.qlx_ctxusrdate),&time,"
        "sizeof(QLX_T_DATE))");
  } else {
    header_line("\nextern \"C\" QLX_PT_CTX qlx_create_probe (QLX_PT_CAR path,QLX_PT_CAR instance,QLX_T_INT p1);");
    header_line("\nextern \"C\" void qlx_write_probe(QLX_PT_CTX ctx,unsigned int code, unsigned int key, void *msg, "
                "unsigned int lenmsg);");
    header_line("\nextern \"C\" void qlx_stop_probe (QLX_PT_CTX qlx_ctx);");
    header_line("\nextern \"C\" void qlx_set_selector (QLX_PT_CTX qlx_ctx,QLX_T_UINT qlx_code,QLX_T_UINT qlx_value);");
  }
}

// The class keeps what the dump functions use: the runtime, the dump functions with the select
// structs, the loop counters. A decoding context holds one such object.
void CppWriter::write_probe_class() {
  bool custom = context_.parameters.probe_mode == probe_custom;
  line("class QUELT");
  open_brace();
  line("public:");
  line("QLX_C_RUNTIME $runtime;");
  const auto with_values = message_types_with_values(context_.model.global());
  for (const Entry* e = context_.model.global()->first; e != nullptr; e = e->next) {
    if (e->kind != EntryKind::MessageType || with_values.count(e) == 0 || message_values(e).empty()) continue;
    line("void $" + e->name + "_dump_msg (" + e->name + " &$msgrcv);");
    write_select_struct(e->name);
  }
  // The dump functions' loop counters.
  for (const std::string& counters : counter_lines('I', counter_count_)) line(counters);
  close_brace();
  line(";");
  line("struct QLX_T_CTX");
  open_brace();
  line("QUELT $quelt;");
  empty();
  close_brace();
  line(";");
  if (custom) {
    empty();
    line("void qlx_decode (QLX_PT_CTX qlx_ctx,QLX_T_DATE time,QLX_T_UINT code,QLX_T_UINT qlx_key,void *msg);");
    empty();
  } else {
    line("QLX_T_CTX tab_global_ctx[NB_INSTANCES];");
    line("qlx_declar;");
    empty();
    line("void qlx_decode (QLX_PT_CTX qlx_ctx,QLX_T_UINT code,QLX_T_UINT qlx_key,void *msg);");
    empty();
  }
  line("void $strt_probe (QLX_PT_CTX $ctx,QLX_PT_CAR rioFilename,QLX_PT_CAR codeName);");
}

// One selector per "select" field of the select structs: its code in the header, its case in
// qlx_set_selector, its reset in qlx_init_selector.
void CppWriter::write_probe_selectors() {
  std::vector<std::string> paths;
  const auto with_values = message_types_with_values(context_.model.global());
  for (const Entry* e = context_.model.global()->first; e != nullptr; e = e->next) {
    if (e->kind != EntryKind::MessageType || with_values.count(e) == 0) continue;
    std::string select;
    if (!iface::anc_select_struct_text(e->name, "", select)) continue;
    for (std::string& path : selector_paths(select)) paths.push_back(std::move(path));
  }
  set_runtime("qlx_ctx->qlx_quelt");
  line("void qlx_set_selector (QLX_PT_CTX $ctx,QLX_T_UINT $code,QLX_T_UINT $value)");
  open_brace();
  line("switch($code)");
  open_brace();
  int code = 1;
  for (const std::string& path : paths) {
    std::string macro = path;
    for (char& c : macro) c = c == '.' ? '_' : c;
    header_line("#define " + macro + " " + std::to_string(code++) + "+QLX_TDC_LAST_ID");
    line("case (" + macro + "):");
    line("$." + path + "=$value;");
    line("break;");
  }
  close_brace();
  close_brace();
  line("void qlx_init_selector (QLX_PT_CTX $ctx) ");
  open_brace();
  for (const std::string& path : paths) line("$." + path + "=0;");
  close_brace();
  set_runtime("qlx_runtime");
}

// DEFAULT: the application's entry points. A context is taken from the table for each
// qlx_create_probe while the table lasts; past its end the application gets no context and its
// reports are dropped.
void CppWriter::write_probe_entry_points() {
  line("QLX_PT_CTX $create_probe (QLX_PT_CAR path,QLX_PT_CAR instance,QLX_T_INT p1)");
  open_brace();
  line("static int i_ctx=0;");
  line("if (i_ctx >= NB_INSTANCES)");
  line("return 0;");
  line("QLX_PT_CTX qlx_ctx=tab_global_ctx+i_ctx++;");
  line("std::string name=std::string(path ? path : \"\")+(instance ? instance : \"\")+\".rio\";");
  line("qlx_strt_probe(qlx_ctx,name.c_str(),instance);");
  line("return qlx_ctx;");
  close_brace();
  line("void $write_probe (QLX_PT_CTX ctx,QLX_T_UINT code,QLX_T_UINT key, void *msg,QLX_T_UINT lenmsg)");
  open_brace();
  line("if (ctx)");
  line("qlx_decode(ctx,code,key,msg);");
  close_brace();
}

// The start of a decoding: the runtime is set up as a driver's entry would, and the root and
// leaf scenario are opened; the end closes them.
void CppWriter::write_probe_start_stop() {
  bool custom = context_.parameters.probe_mode == probe_custom;
  set_runtime("qlx_ctx->qlx_quelt.qlx_runtime");
  line("void $strt_probe (QLX_PT_CTX $ctx,QLX_PT_CAR rioFilename,QLX_PT_CAR codeName)");
  open_brace();
  line("$.$ctxtracepriority = 0;");
  line(custom ? "$.$ctxflagprobe=1;" : "$.$ctxflagprobe=0;");
  line("$.$set_occid(0,(char **)0,0);");
  line("$.$logdate=(QLX_T_UTIME)0;");
  line("$.$set_trace_functions ();");
  line("$.$set_riofilename(0,(char **)0,rioFilename);");
  line("$.$set_instancevalid(1);");
  line("$.$set_instancename(0,(char **)0,codeName);");
  line("$.$set_lstflt(0,(char **)0,\"\");");
  line("$.$initrio (QLX_TDC_gen,\"\");");
  line("$.$startchronomarkloop (QLX_TDC_Epts, QLX_TDC_Spts , 0, 1,\"\",0,0);");
  line("$.$startchronomarkloop (QLX_TDC_Escn, QLX_TDC_Sscn ,1, 1,\"\",0,0);");
  close_brace();
  line("void $stop_probe (QLX_PT_CTX  $ctx)");
  open_brace();
  line("if (!$ctx)");
  line("return;");
  line("$.$stopchronomarkloop (0,QLX_TDC_Escn,1,1,\"\",0,0);");
  line("$.$stopchronomarkloop (0, QLX_TDC_Epts, 0, 1,\"\",0,0);");
  line("$.$end ();");
  close_brace();
  set_runtime("qlx_runtime");
}

// CUSTOM: decodes one recorded instance from its first record to its last.
void CppWriter::write_probe_dump_inst() {
  line("void $dump_inst (QLX_CTX_PRB prb_ctx,QLX_PT_CAR path,QLX_PT_CAR riofile,QLX_PT_CAR instName,QLX_T_UINT other)");
  open_brace();
  line("QLX_T_CTX qlx_ctx;");
  line("QLX_T_DATE time;");
  line("QLX_T_UINT code,key;");
  line("void *msg;");
  line("prb_ctx=qlx_open_probe(prb_ctx,path,riofile,instName,other);");
  line("qlx_init_selector(&qlx_ctx);");
  line("if(qlx_read_probe(prb_ctx,&time,&code,&key,&msg))");
  open_brace();
  line("qlx_set_time((&qlx_ctx),time);");
  line("qlx_strt_probe(&qlx_ctx,riofile,instName);");
  line("do");
  line("qlx_decode(&qlx_ctx,time,code,key,msg);");
  line("while(qlx_read_probe(prb_ctx,&time,&code,&key,&msg));");
  line("qlx_stop_probe(&qlx_ctx);");
  close_brace();
  line("qlx_close_probe(prb_ctx);");
  close_brace();
}

}  // namespace gen
