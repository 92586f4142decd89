"""Writes sample.ods: a small OpenDocument spreadsheet of two sheets with
numbers, texts, a date, formulas (one into the other sheet, one that does
not parse, one with ";" inside a string) and a column width; and merged.ods:
merged cells with the covered cells after them (repeated too), logical
cells, formulas with saved logicals and texts, and hidden repeated rows. Run
it again only to change the samples; the tests read the files it wrote."""
import zipfile

MERGED = """<?xml version="1.0" encoding="UTF-8"?>
<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2" office:version="1.2">
<office:body><office:spreadsheet>
<table:table table:name="Merged">
 <table:table-row>
  <table:table-cell table:number-columns-spanned="2" table:number-rows-spanned="1" office:value-type="string"><text:p>wide</text:p></table:table-cell>
  <table:covered-table-cell/>
  <table:table-cell office:value-type="float" office:value="3"><text:p>3</text:p></table:table-cell>
  <table:table-cell office:value-type="boolean" office:boolean-value="true"><text:p>TRUE</text:p></table:table-cell>
 </table:table-row>
 <table:table-row>
  <table:table-cell office:value-type="float" office:value="1"><text:p>1</text:p></table:table-cell>
  <table:table-cell table:number-columns-spanned="2" table:number-rows-spanned="2" table:formula="of:=&quot;a  b&quot;" office:value-type="string"><text:p>a<text:s text:c="2"/>b</text:p></table:table-cell>
  <table:covered-table-cell/>
  <table:table-cell table:formula="of:=[.C1]&gt;1" office:value-type="boolean" office:boolean-value="true"><text:p>TRUE</text:p></table:table-cell>
  <table:table-cell office:value-type="float" office:value="5"><text:p>5</text:p></table:table-cell>
 </table:table-row>
 <table:table-row>
  <table:table-cell office:value-type="float" office:value="2"><text:p>2</text:p></table:table-cell>
  <table:covered-table-cell table:number-columns-repeated="2"/>
  <table:table-cell office:value-type="float" office:value="4"><text:p>4</text:p></table:table-cell>
 </table:table-row>
 <table:table-row table:number-rows-repeated="2" table:visibility="collapse">
  <table:table-cell office:value-type="float" office:value="9"><text:p>9</text:p></table:table-cell>
  <table:table-cell office:value-type="boolean" office:boolean-value="false"><text:p>FALSE</text:p></table:table-cell>
 </table:table-row>
 <table:table-row>
  <table:table-cell office:value-type="string"><text:p>end</text:p></table:table-cell>
 </table:table-row>
</table:table>
</office:spreadsheet></office:body></office:document-content>
"""

CONTENT = """<?xml version="1.0" encoding="UTF-8"?>
<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2" office:version="1.2">
<office:automatic-styles>
 <style:style style:name="co1" style:family="table-column"><style:table-column-properties style:column-width="1in"/></style:style>
</office:automatic-styles>
<office:body><office:spreadsheet>
<table:table table:name="Data">
 <table:table-column table:style-name="co1"/><table:table-column table:number-columns-repeated="3"/>
 <table:table-row>
  <table:table-cell office:value-type="float" office:value="1.5"><text:p>1.5</text:p></table:table-cell>
  <table:table-cell office:value-type="string"><text:p>plain</text:p></table:table-cell>
  <table:table-cell office:value-type="string"><text:p>yes</text:p></table:table-cell>
  <table:table-cell office:value-type="date" office:date-value="2024-02-29T12:00:00"><text:p>29.02.24</text:p></table:table-cell>
 </table:table-row>
 <table:table-row>
  <table:table-cell table:formula="of:=[.A1]*2" office:value-type="float" office:value="3"><text:p>3</text:p></table:table-cell>
  <table:table-cell table:formula="of:=SUM([.$A$1:.A2];1)" office:value-type="float" office:value="5.5"><text:p>5.5</text:p></table:table-cell>
  <table:table-cell table:formula="of:=[$Other.A1]+1" office:value-type="float" office:value="8"><text:p>8</text:p></table:table-cell>
  <table:table-cell table:formula="of:=SUM([.A1:.A2]" office:value-type="float" office:value="0"><text:p>0</text:p></table:table-cell>
 </table:table-row>
 <table:table-row>
  <table:table-cell office:value-type="string"><text:p>a;b</text:p></table:table-cell>
  <table:table-cell table:formula="of:=IF([.C1]=&quot;yes&quot;;1;2)" office:value-type="float" office:value="1"><text:p>1</text:p></table:table-cell>
 </table:table-row>
</table:table>
<table:table table:name="Other">
 <table:table-row><table:table-cell office:value-type="float" office:value="7"><text:p>7</text:p></table:table-cell></table:table-row>
</table:table>
</office:spreadsheet></office:body></office:document-content>
"""

MANIFEST = """<?xml version="1.0" encoding="UTF-8"?>
<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2">
 <manifest:file-entry manifest:full-path="/" manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>
 <manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>
</manifest:manifest>
"""

for path, content in (("sample.ods", CONTENT), ("merged.ods", MERGED)):
    with zipfile.ZipFile(path, "w") as z:
        z.writestr(zipfile.ZipInfo("mimetype", (2024, 1, 1, 0, 0, 0)),
                   "application/vnd.oasis.opendocument.spreadsheet", zipfile.ZIP_STORED)
        for name, text in (("content.xml", content), ("META-INF/manifest.xml", MANIFEST)):
            z.writestr(zipfile.ZipInfo(name, (2024, 1, 1, 0, 0, 0)), text, zipfile.ZIP_DEFLATED)
