#!/usr/bin/env python3
"""Writes the drum machine's main window form (TfrmMain) in the text form format.

The window repeats its controls by the dozen (12 track strips, 384 step cells,
16 step lights and pattern buttons), and it stores pictures the build draws
(the step faces, the play faces, the slider thumbs), so its text is made here
rather than by hand:

  make_main_form.py --pictures DIR --stycont PROGRAM --out-dir DIR

DIR of --pictures is where tools/draw_skins.py drew (its "skins" folder); the
bitmap lists are written by the container-file writer in the text form format
and taken in whole; a thumb is stored as the bitmap's own "Data" bytes (their
length, then the BMP file). Writes TfrmMain.txtform and a depfile-like list of
the pictures it read (pictures.txt) into --out-dir.

Geometry, in the window's client area (the frame is 4 pixels and the caption
and menu bar 19 each, so a window point (X, Y) is client (X - 4, Y - 42)):
step s of every track is a 16-pixel column from x = 182 + 16 (s - 1), with
8 more pixels after step 8; track t is a 32-pixel row of the grid from
y = 59 + 32 (t - 1) while the grid is not scrolled. A cell is 15 x 11 (7 x 11
with the track on 32nd notes, the 32nd cell 8 pixels to its right).
"""
import argparse
import os
import subprocess
import sys

CLIENT_WIDTH = 620
WINDOW_WIDTH = 628
WINDOW_HEIGHT = 651
GRID_TOP = 59  # client y of the scroll box holding the track rows
ROW = 32
CELL_W, CELL_H = 15, 11
CELL_TOP = 10  # within a track's row
TRACKS, STEPS, PATTERNS = 12, 16, 16

SILVER = "$00C0C0C0"
# The captions of the two web-site items of the Help menu: the sites' addresses.
MAKER_SITE_CAPTION = "www.brenkavar.example"
SAMPLE_SITE_CAPTION = "samples.brenkavar.example"
GREY = "$00808080"


def cell_x(step):
    return 182 + 16 * (step - 1) + (8 if step > 8 else 0)


def q(text):
    """A string in the text form's quoting."""
    return "'" + text.replace("'", "''") + "'"


class Obj:
    def __init__(self, name, cls, props=None, children=None):
        self.name, self.cls = name, cls
        self.props = list(props or [])
        self.children = list(children or [])
        self.raw = []  # object text written as it is (indented here)

    def add(self, child):
        self.children.append(child)
        return child

    def text(self, indent=0):
        pad = "  " * indent
        head = f"{pad}object {self.name}: {self.cls}" if self.name else f"{pad}object {self.cls}"
        lines = [head]
        for key, value in self.props:
            lines.append(f"{pad}  {key} = {value}")
        for child in self.children:
            lines.append(child.text(indent + 1))
        for block in self.raw:
            for line in block.splitlines():
                lines.append(pad + "  " + line)
        lines.append(f"{pad}end")
        return "\n".join(lines)


def bounds(left, top, width, height):
    return [("Left", left), ("Top", top), ("Width", width), ("Height", height)]


def hex_block(data):
    lines = []
    for i in range(0, len(data), 32):
        lines.append(data[i:i + 32].hex().upper())
    return "{\n" + "\n".join(lines) + "}"


def bitmap_data(path, used):
    used.append(path)
    with open(path, "rb") as f:
        data = f.read()
    return hex_block(len(data).to_bytes(4, "little") + data)


def icon_data(path, used):
    """An icon is stored as its ICO file."""
    used.append(path)
    with open(path, "rb") as f:
        return hex_block(f.read())


def bitmap_list(name, entries, stycont, out_dir, used):
    """A TStyBitmapList of the given items (file or None, options), as text."""
    manifest = os.path.join(out_dir, name + ".manifest")
    with open(manifest, "w") as m:
        for path, options in entries:
            if path is None:
                m.write("-\n")
            else:
                used.append(path)
                m.write(os.path.relpath(path, out_dir) + (" " + options if options else "") + "\n")
    target = os.path.join(out_dir, name + ".txtobj")
    env = dict(os.environ, DRUMS_HOST="headless")
    subprocess.run([stycont, "--out", target, "--form-object", name, manifest], check=True, env=env)
    with open(target, "rb") as f:
        return f.read().decode("latin-1").replace("\r\n", "\n").rstrip("\n")


def menu_item(name, caption, props=None, children=None):
    return Obj(name, "TMenuItem", [("Caption", q(caption))] + list(props or []), children)


def separator(name):
    return menu_item(name, "-")


def shape_button(name, left, top, width, height, caption="", extra=None):
    props = bounds(left, top, width, height)
    if caption:
        props.append(("Caption", q(caption)))
    props += [("Colors.Up", SILVER)]
    return Obj(name, "TStyShapeButton", props + list(extra or []))


def label(name, left, top, caption, extra=None):
    return Obj(name, "TLabel", [("Left", left), ("Top", top), ("Caption", q(caption))] + list(extra or []))


def track_bar(name, left, top, width, minimum, maximum, position, on_change):
    return Obj(name, "TStyTrackBar", bounds(left, top, width, 18) + [
        ("MinValue", minimum), ("MaxValue", maximum), ("Position", position),
        ("TickStyle", "tsNone"), ("TrackWidth", 7), ("ThumbColor", "clSilver"), ("TrackColor", "clGray"),
        ("TrackBorderStyle", "lsLowered"), ("OnChange", on_change)])


def bmp_slider(name, left, top, width, height, minimum, maximum, position, thumb, extra=None):
    props = bounds(left, top, width, height) + [
        ("MinValue", minimum), ("MaxValue", maximum), ("Position", position),
        ("Options", "[ocPaintTransparently]")]
    return Obj(name, "TBmpTrackBar", props + list(extra or []) + [("ThumbHorz.Data", thumb)])


def main_menu():
    kits = [("mnuAnalog", "Analog kit", "mnuAnalogClick"), ("mnuBreakbeat", "Break Beat kit", "mnuBreakbeatClick"),
            ("mnuBrush", "Brush kit", "mnuBrushClick"), ("mnuCasiaha", "Casieo kit", "mnuCasiahaClick"),
            ("mnuDisco", "Disco kit", "mnuDiscoClick"), ("mnuEnsonik", "Ensonik kit", "mnuEnsonikClick"),
            ("mnuGalaxy", "Galaxy kit", "mnuGalaxyClick"), ("mnuHR16", "Hr-16 kit", "mnuHR16Click"),
            ("mnuIndustrial", "Industrial Kit", "mnuIndustrialClick"), ("mnuLofi", "Lo_Fi kit", "mnuLofiClick"),
            ("mnuSoftSynth", "Soft Synth kit", "mnuSoftSynthClick"), ("mnuYahmeha", "Yahmeha kit", "mnuYahmehaClick")]
    kit_items = [menu_item(n, c, [("OnClick", h)]) for n, c, h in kits]
    kit_items += [separator("N16"), menu_item("mnuEmpty", "Empty", [("OnClick", "mnuEmptyClick")]), separator("N17"),
                  menu_item("LoadaUserKit1", "Load a user Drumkit", [("OnClick", "LoadaUserKit1Click")]), separator("N18")]
    user_captions = ["Your Kit Here!"] + [f"Userkit {n} <Blank>" for n in range(2, 10)]
    for n in range(1, 10):
        props = [("OnClick", "mnukit1Click")]
        if n >= 6:
            props.append(("Visible", "False"))
        kit_items.append(menu_item(f"mnukit{n}", user_captions[n - 1], props))

    recent = [menu_item(f"mnuRecent{n}", f"{n}. ", [("Visible", "False"), ("OnClick", "mnuRecent1Click")])
              for n in range(1, 6)]
    file_items = [
        menu_item("New1", "&New", [("OnClick", "New1Click")]),
        menu_item("Open1", "&Open...", [("OnClick", "Open1Click")]),
        menu_item("Save1", "&Save", [("OnClick", "Save1Click")]),
        menu_item("SaveAs1", "Save &As...", [("OnClick", "SaveAs1Click")]),
        separator("N1"),
        menu_item("Import1", "Import", children=[
            menu_item("MIDIfile2", "MIDI file", [("OnClick", "mnuImportMIDIClick")])]),
        menu_item("mnuExport", "Export", children=[
            menu_item("MIDIFile1", "MIDI File", [("OnClick", "MIDIFile1Click")]),
            menu_item("DrumKit1", "DrumKit", [("OnClick", "DrumKit1Click")])]),
        Obj("N12", "TMenuItem", [("Caption", q("-")), ("Visible", "False")]),
    ] + recent + [separator("N3"), menu_item("Close1", "E&xit", [("OnClick", "Close1Click")])]

    edit_items = [
        menu_item("mnuCopyTrack", "Copy Track", [("OnClick", "mnuCopyTrackClick")]),
        menu_item("mnuCutTrack", "Cut Track", [("OnClick", "mnuCutTrackClick")]),
        menu_item("mnuPasteTrack", "Paste Track", [("OnClick", "mnuPasteTrackClick")]),
        menu_item("mnuClearTrack", "Clear Track", [("OnClick", "mnuClearTrackClick")]),
        separator("N4"),
        menu_item("mnuCopyPattern", "Copy Pattern", [("OnClick", "mnuCopyPatternClick")]),
        menu_item("mnuCutPattern", "Cut Pattern", [("OnClick", "mnuCutPatternClick")]),
        menu_item("mnuPastePattern", "Paste Pattern", [("OnClick", "mnuPastePatternClick")]),
        menu_item("mnuClearPattern", "Clear Pattern", [("OnClick", "mnuClearPatternClick")]),
        separator("N5"),
        menu_item("GenerateRandomTrack1", "Generate Random Track", [("OnClick", "GenerateRandomTrack1Click")]),
        menu_item("GenerateRandomPattern1", "Generate Random Pattern...", [("OnClick", "GenerateRandomPattern1Click")]),
    ]

    def track_presets(prefix):
        """The pan, volume and pitch presets; the track menu and the name buttons' menu share them."""
        def item(name, caption, handler):
            return menu_item(prefix + name, caption, [("OnClick", handler)])
        return [
            menu_item(prefix + "Pan1", "Pan", children=[
                item("mnuPanCenter", "Center", "mnuPanCenterClick"), item("mnuPanLeft", "Full Left", "mnuPanLeftClick"),
                item("mnuPanRight", "Full Right", "mnuPanRightClick"),
                item("mnuPan50Left", "50% Left", "mnuPan50LeftClick"),
                item("mnuPan50Right", "50% Right", "mnuPan50RightClick")]),
            menu_item(prefix + "Volume1", "Volume", children=[
                item("Full1", "Full", "Full1Click"), item("N801", "80%", "N801Click"), item("N501", "50%", "N501Click"),
                item("N251", "25%", "N251Click")]),
            menu_item(prefix + "Pitch1", "Pitch", children=[
                item("Reset1", "Reset Pitch", "Reset1Click"), item("mnuSemiUp", "Semi-tone (up)", "mnuSemiUpClick"),
                item("mnuSemiDown", "Semi-tone (down)", "mnuSemiDownClick"),
                item("mnu4SemiUp", "4 Semi-tones (up)", "mnu4SemiUpClick"),
                item("mnu4SemiDown", "4 Semi-tones (down)", "mnu4SemiDownClick")]),
            item("ResetTrack1", "Reset Track", "ResetTrack1Click"),
        ]

    track_items = [
        menu_item("mnuCurrentTrack", "Current Track 1", [("Enabled", "False")]),
        separator("N6"),
        menu_item("mnuMute", "Mute", [("OnClick", "mnuMuteClick")]),
        menu_item("mnuSolo", "Solo", [("OnClick", "mnuSoloClick")]),
        menu_item("mnuHumanize", "Humanize", [("OnClick", "mnuHumanizeClick")]),
        separator("N7"),
        menu_item("mnu16thNotes", "16th Notes", [("Checked", "True"), ("OnClick", "mnu16thNotesClick")]),
        menu_item("mnu32ndNotes", "32nd Notes", [("OnClick", "mnu32ndNotesClick")]),
        separator("N8"),
    ] + track_presets("")

    options_items = [
        menu_item("mnu16thNotes2", "16th Notes", [("Checked", "True"), ("OnClick", "mnu16thNotes2Click")]),
        menu_item("mnu32ndnotes2", "32nd Notes", [("OnClick", "mnu32ndnotes2Click")]),
        separator("N9"),
        menu_item("mnu44time", "4/4 time", [("Checked", "True"), ("OnClick", "mnu44timeClick")]),
        menu_item("mnu34time", "3/4 time", [("OnClick", "mnu34timeClick")]),
        separator("N10"),
        menu_item("mnuhihat", "hi-hat cut-by", [("Checked", "True"), ("OnClick", "mnuhihatClick")]),
        menu_item("mnuBackground", "Background Gfx", [("Checked", "True"), ("OnClick", "mnuBackgroundClick")]),
    ]

    help_items = [
        menu_item("HelpIntro1", "Introduction", [("OnClick", "HelpIntro1Click")]),
        menu_item("QuickStart1", "Getting Started", [("OnClick", "QuickStart1Click")]),
        menu_item("TambrelTips1", "Tambrel Tips", [("OnClick", "TambrelTips1Click")]),
        separator("N11"),
        menu_item("ProductUpdates1", "Product Updates/Info", children=[
            menu_item("mnuWebSite1", MAKER_SITE_CAPTION, [("OnClick", "mnuWebSite1Click")])]),
        menu_item("GetMoreDrumSamples1", "Get More Drum Samples", children=[
            menu_item("mnuSampleSite1", SAMPLE_SITE_CAPTION, [("OnClick", "mnuSampleSite1Click")])]),
        menu_item("ShareDrumPatterns1", "Share Drum Patterns", [("OnClick", "ShareDrumPatterns1Click")]),
        separator("N13"),
        menu_item("OnLineUserSupportForum1", "On-Line User Support Forum", [("OnClick", "OnLineUserSupportForum1Click")]),
        separator("N14"),
        menu_item("About2", "About", [("OnClick", "About2Click")]),
    ]

    menu = Obj("MainMenu1", "TMainMenu")
    menu.add(menu_item("File1", "&File", children=file_items))
    menu.add(menu_item("Edit1", "&Edit", children=edit_items))
    menu.add(menu_item("DrumKits1", "&Drum Kits", children=kit_items))
    menu.add(menu_item("Track1", "&Track", children=track_items))
    menu.add(menu_item("Options1", "&Options", children=options_items))
    menu.add(menu_item("Skins1", "&Skins", [("OnClick", "Skins1Click")]))
    menu.add(menu_item("Help1", "&Help", children=help_items))
    return menu, track_presets


def popup_menus(track_presets):
    menus = []
    menus.append(Obj("popBeat", "TPopupMenu", [("OnPopup", "popBeatPopup")]))
    drum = Obj("popDrum1", "TPopupMenu", [("OnPopup", "popDrum1Popup")])
    for i in range(16):
        drum.add(menu_item(f"mnuPopupDrum{i:02d}", "Add a Sample...",
                           [("Visible", "False"), ("OnClick", "mnuPopupDrum00Click")]))
    menus.append(drum)
    track = Obj("popTrack", "TPopupMenu")
    track.add(menu_item("popMute", "Mute", [("OnClick", "mnuMuteClick")]))
    track.add(menu_item("popSolo", "Solo", [("OnClick", "mnuSoloClick")]))
    track.add(menu_item("popHumanize", "Humanize", [("OnClick", "mnuHumanizeClick")]))
    track.add(menu_item("popClearTrack", "Clear Track", [("OnClick", "mnuClearTrackClick")]))
    track.add(separator("N20"))
    for item in track_presets("pop"):
        track.add(item)
    menus.append(track)
    order = Obj("popSequencer", "TPopupMenu")
    order.add(menu_item("mnuClearSequencer", "Clear Sequencer", [("OnClick", "mnuClearSequencerClick")]))
    menus.append(order)
    tempo = Obj("mnuTempo", "TPopupMenu")
    for bpm in ["160", "140", "120", "100", "90", "80", "60"]:
        tempo.add(menu_item(f"mnuBPM{bpm}", bpm, [("OnClick", "mnuBPM120Click")]))
    menus.append(tempo)
    return menus


def track_row(t, thumb, thumb_selected):
    """The controls of track t's row in the grid's scroll box."""
    top = ROW * (t - 1)
    tt = f"{t:02d}"
    controls = [
        shape_button(f"btnDrum{t}", 4, top + 5, 138, 22, "Empty", [
            ("DropDownMenu", "popDrum1"), ("PopupMenu", "popDrum1"), ("OnClick", "btnDrum1Click"),
            ("OnMouseEnter", "btnDrum1MouseEnter"), ("OnMouseExit", "btnDrum1MouseExit")]),
        # Too small for a shadow: a shadow's depth would leave no face to click.
        shape_button(f"trkMute_{tt}", 150, top + CELL_TOP + 1, 7, 9, "", [
            ("Style", "sbs3D"), ("Shape.Shadow.Depth", 0), ("Hint", q("Mute Track")), ("ShowHint", "True"),
            ("OnClick", "trkMute_01Click")]),
        shape_button(f"trkSolo_{tt}", 162, top + CELL_TOP + 1, 7, 9, "", [
            ("Style", "sbs3D"), ("Shape.Shadow.Depth", 0), ("Hint", q("Solo Track")), ("ShowHint", "True"),
            ("OnClick", "trkSolo_01Click")]),
    ]
    for s in range(1, STEPS + 1):
        controls.append(Obj(f"M{tt}_{s:02d}", "TStyLImage", bounds(cell_x(s), top + CELL_TOP, CELL_W, CELL_H) + [
            ("ImageList", "ButtonList16"), ("PopupMenu", "popBeat"), ("OnClick", "M01_01Click"),
            ("OnDblClick", "M01_01Click")]))
        controls.append(Obj(f"N{tt}_{s:02d}", "TStyLImage", bounds(cell_x(s) + 8, top + CELL_TOP, 7, CELL_H) + [
            ("ImageList", "ButtonList32"), ("Visible", "False"), ("PopupMenu", "popBeat"),
            ("OnClick", "N04_01Click"), ("OnDblClick", "N04_01Click")]))
    controls.append(shape_button(f"TrkBtn_{tt}", 448, top + 5, 64, 22, f"Track {t}", [
        ("PopupMenu", "popTrack"), ("OnClick", "TrkBtn_01Click"), ("OnMouseEnter", "TrkBtn_01MouseEnter"),
        ("OnMouseExit", "TrkBtn_01MouseExit")]))
    controls.append(bmp_slider(f"trkVol{t}", 516, top + CELL_TOP, 86, 11, -5000, 0, -1000, thumb, [
        ("PaintOptions", "[poDrawTrackBar, poDrawThumb, poDrawThumbStates]"),
        ("ThumbHorzSelected.Data", thumb_selected), ("OnClick", "trkVol1Click"), ("OnChange", "trkVol1Change")]))
    return controls


def build(pictures, stycont, out_dir):
    used = []
    skins = os.path.join(pictures, "skins")
    pic = lambda name: os.path.join(skins, name)
    thumb = bitmap_data(pic("btn3_1.bmp"), used)
    thumb_selected = bitmap_data(pic("btn3_2.bmp"), used)

    form = Obj("frmMain", "TfrmMain", [
        ("Left", 0), ("Top", 0), ("Width", WINDOW_WIDTH), ("Height", WINDOW_HEIGHT),
        ("Caption", q("Tambrel")), ("Color", "clBtnFace"), ("Menu", "MainMenu1"), ("Position", "poScreenCenter"),
        ("Icon.Data", icon_data(os.path.join(pictures, "icons", "tambrel.ico"), used)),
        ("OnActivate", "FormActivate"), ("OnClose", "FormClose"), ("OnCreate", "FormCreate"),
        ("OnPaint", "FormPaint"), ("OnResize", "FormResize"), ("OnShow", "FormShow"),
        ("PixelsPerInch", 96), ("TextHeight", 13)])

    # Back to front: the main background, the top strip, the grid, the bottom.
    form.add(Obj("MainFill", "TStyFill", bounds(0, 0, CLIENT_WIDTH, WINDOW_HEIGHT - 192) + [
        ("FillObject.Style", "sfBitmapList"), ("ImageList", "BitmapList"), ("ListIndex", 2)]))

    form.add(Obj("StyMMButton1", "TStyMMButton", bounds(8, 6, 48, 24) + [
        ("ButtonFaceImageList", "BitmapList"), ("GroupIndex", 101), ("AllowAllUp", "True"),
        # The faces of states 0..6 (up, disabled, hot, latched, held, -,
        # dropped): BitmapList's item 0 is the button up, item 1 down, so the
        # button shows it is down while the song plays.
        ("ButtonFaceIndicesNew", hex_block(b"".join(
            i.to_bytes(4, "little") for i in [0, 0, 0, 1, 1, 0, 1] + [1] * 7))),
        ("Transparent", "True"), ("OnClick", "StyMMButton1Click")]))
    form.add(Obj("btnTempo", "TBmpPopupButton2", bounds(72, 6, 33, 23) + [
        ("Caption", q("100")), ("SimpleView", "True"), ("DownMenu", "mnuTempo")]))
    form.add(Obj("UpDown1", "TUpDown", bounds(105, 6, 15, 23) + [
        ("Min", 10), ("Max", 300), ("Position", 100), ("OnClick", "UpDown1Click")]))
    form.add(label("lblTempo", 72, 32, "Tempo", [("Transparent", "True"), ("Font.Color", "clWhite")]))
    form.add(bmp_slider("MainVolSlider", 132, 4, 129, 25, 0, 100, 100, thumb, [
        ("PaintOptions", "[poDrawTrackBar, poDrawThumb, poDrawThumbStates]"),
        ("ThumbHorzSelected.Data", thumb_selected), ("OnChange", "MainVolSliderChange")]))
    form.add(label("lblMainVolume", 140, 32, "Main Volume", [("Transparent", "True"), ("Font.Color", "clWhite")]))
    form.add(label("lblkit", 276, 8, "Soft Synth kit", [("Transparent", "True"), ("Font.Color", "clWhite"),
                                                         ("Font.Style", "[fsBold]")]))
    form.add(label("lblTrk4", 276, 26, "track 1", [("Transparent", "True"), ("Font.Color", "clWhite")]))
    for s in range(1, STEPS + 1):
        form.add(Obj(f"Led{s}", "TShape", bounds(cell_x(s) + 3, 46, 9, 9) + [
            ("Brush.Color", GREY), ("Pen.Color", "clBlack"), ("Shape", "stEllipse")]))

    grid = form.add(Obj("ScrollBox1", "TStyScrollBox", bounds(0, GRID_TOP, CLIENT_WIDTH, WINDOW_HEIGHT - 264) + [
        ("Bevel.Mode", "bmStandard"), ("Bevel.StandardStyle", "lsNone"), ("HorzScrollBar.Visible", "False")]))
    # The tracks' background is as wide as the grid (and its pictures): the
    # volume sliders reach past x = 600, and nothing is left bare at the right.
    grid.add(Obj("TrackFill", "TStyFill", bounds(0, 0, CLIENT_WIDTH, ROW * TRACKS) + [
        ("FillObject.Style", "sfBitmapList"), ("ImageList", "BitmapList"), ("ListIndex", 6)]))
    for t in range(1, TRACKS + 1):
        for control in track_row(t, thumb, thumb_selected):
            grid.add(control)

    bottom_top = WINDOW_HEIGHT - 264 + 71
    bottom = form.add(Obj("BottomPanel", "TStySimplePanel", bounds(0, bottom_top, 300, 128)))
    for p in range(1, PATTERNS + 1):
        props = bounds(4 + 18 * (p - 1), 2, 17, 18) + [("Caption", q(str(p))), ("GroupIndex", 1),
                                                        ("OnClick", "btnPat2Click")]
        if p == 1:
            props.append(("Down", "True"))
        bottom.add(Obj(f"btnPat{p}", "TSpeedButton", props))
    bottom.add(Obj("btnplayseq", "TButton", bounds(4, 26, 96, 22) + [
        ("Caption", q("Play Sequencer")), ("OnClick", "btnplayseqClick")]))
    bottom.add(Obj("btnpause", "TButton", bounds(104, 26, 70, 22) + [
        ("Caption", q("Continue")), ("OnClick", "btnpauseClick")]))
    bottom.add(Obj("sequencer", "TStringGrid", bounds(4, 54, 268, 56) + [
        ("ColCount", 12), ("RowCount", 3), ("FixedCols", 0), ("FixedRows", 0), ("DefaultColWidth", 21),
        ("DefaultRowHeight", 17), ("ScrollBars", "ssNone"),
        ("Options", "[goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing, goAlwaysShowEditor]"),
        ("PopupMenu", "popSequencer"), ("OnKeyUp", "sequencerKeyUp"), ("OnSelectCell", "sequencerSelectCell")]))
    bottom.add(Obj("PlayStyle", "TBmpTrackBar", bounds(278, 54, 17, 41) + [
        ("Orientation", "toVertical"), ("MinValue", 0), ("MaxValue", 1), ("Position", 1),
        ("Options", "[ocPaintTransparently]"),
        ("PaintOptions", "[poDrawTrackBar, poDrawThumb, poDrawThumbStates, poDrawTicks]"),
        ("Visible", "False"), ("OnChange", "PlayStyleChange")]))
    bottom.add(label("lblPlayStyle", 180, 30, "Normal / Sequencer", [("Visible", "False")]))
    bottom.add(label("lblkit3", 4, 112, "Soft Synth kit"))
    bottom.add(Obj("edtRuse", "TEdit", bounds(296, 124, 1, 1) + [("TabOrder", 0)]))

    pages = form.add(Obj("PageControl1", "TPageControl", bounds(304, bottom_top + 8, 312, 118) + [
        ("ActivePage", "TabSheet1")]))
    track = pages.add(Obj("TabSheet1", "TTabSheet", [("Caption", q("Track"))]))
    track.add(label("lbltrk", 4, 2, "track 1"))
    track.add(label("lblDrum", 60, 2, "", [("Font.Style", "[fsBold]")]))
    # Four rows of 18 pixels below the track's name fill the page's 91.
    track.add(label("Label1", 4, 20, "Volume"))
    track.add(track_bar("boxVolSlider", 60, 16, 170, -5000, 10, -1000, "boxVolSliderChange"))
    track.add(Obj("edtVol", "TEdit", bounds(236, 16, 40, 17) + [("Text", q("-10")), ("OnExit", "edtVolExit")]))
    track.add(label("Label2", 4, 38, "Pan"))
    track.add(track_bar("boxPanSlider", 60, 34, 170, -10000, 10000, 0, "boxPanSliderChange"))
    track.add(Obj("edtPan", "TEdit", bounds(236, 35, 40, 17) + [("Text", q("0")), ("OnExit", "edtPanExit")]))
    track.add(label("Label3", 4, 56, "Pitch"))
    track.add(track_bar("boxPitchSlider", 60, 52, 170, 4100, 84100, 44100, "boxPitchSliderChange"))
    track.add(Obj("cbxMute2", "TCheckBox", bounds(236, 53, 60, 17) + [("Caption", q("Mute")),
                                                                      ("OnClick", "cbxMuteClick")]))
    track.add(label("Label4", 4, 74, "Overdrive"))
    track.add(track_bar("boxODSlider", 60, 70, 170, 0, 10, 0, "boxODSliderChange"))
    track.add(Obj("cbxSolo2", "TCheckBox", bounds(236, 71, 60, 17) + [("Caption", q("Solo")),
                                                                      ("OnClick", "cbxSoloClick")]))
    human = pages.add(Obj("TabSheet2", "TTabSheet", [("Caption", q("Humanize"))]))
    human.add(label("lbltrk2", 4, 2, "track 1"))
    human.add(label("lblDrum2", 60, 2, "", [("Font.Style", "[fsBold]")]))
    human.add(Obj("cbxHumanize", "TCheckBox", bounds(200, 2, 90, 17) + [("Caption", q("Humanize")),
                                                                        ("OnClick", "cbxHumanizeClick")]))
    human.add(label("Label5", 4, 26, "Volume"))
    human.add(track_bar("rndVolSlider", 60, 22, 170, 0, 10, 1, "rndVolSliderChange"))
    human.add(label("Label6", 4, 48, "Pan"))
    human.add(track_bar("rndPanSlider", 60, 44, 170, 0, 10, 1, "rndPanSliderChange"))
    human.add(label("Label7", 4, 70, "Pitch"))
    human.add(track_bar("rndPitchSlider", 60, 66, 170, 0, 10, 1, "rndPitchSliderChange"))
    sample = pages.add(Obj("TabSheet3", "TTabSheet", [("Caption", q("Sample"))]))
    sample.add(label("lbltrk3", 4, 2, "track 1"))
    sample.add(label("lblDrum4", 60, 2, "", [("Font.Style", "[fsBold]")]))
    sample.add(Obj("edtDrum", "TComboBox", bounds(4, 22, 180, 21) + [("Style", "csDropDownList"),
                                                                      ("OnChange", "edtDrumChange")]))
    sample.add(Obj("btnPlayWave", "TButton", bounds(190, 22, 50, 22) + [("Caption", q("Play")),
                                                                         ("OnClick", "btnPlayWaveClick")]))
    sample.add(Obj("btnLoadWave", "TButton", bounds(244, 22, 56, 22) + [("Caption", q("Load...")),
                                                                         ("OnClick", "btnLoadWaveClick")]))
    sample.add(label("lblSample", 4, 50, ""))
    sample.add(Obj("cbxMute", "TCheckBox", bounds(4, 68, 60, 17) + [("Caption", q("Mute")),
                                                                     ("OnClick", "cbxMuteClick")]))
    sample.add(Obj("cbxSolo", "TCheckBox", bounds(70, 68, 60, 17) + [("Caption", q("Solo")),
                                                                      ("OnClick", "cbxSoloClick")]))
    sample.add(label("lblKit2", 140, 70, "Soft Synth k"))
    sample.add(label("Label35", 240, 70, "0", [("Visible", "False")]))

    form.add(Obj("StatusBar1", "TStatusBar", [("Left", 0), ("Top", 586), ("Width", CLIENT_WIDTH), ("Height", 19),
                                              ("Panels", "<\n"
                                               "    item\n      Text = 'Brenkavar Tambrel'\n      Width = 170\n    end\n"
                                               "    item\n      Text = 'Soft Synth Kit'\n      Width = 170\n    end\n"
                                               "    item\n      Text = 'Stopped'\n      Width = 90\n    end\n"
                                               "    item\n      Text = 'Normal'\n      Width = 90\n    end\n"
                                               "    item\n      Text = '1'\n      Width = 50\n    end>"),
                                              ("SimplePanel", "False")]))
    form.add(Obj("FileListBox1", "TFileListBox", bounds(600, 0, 10, 10) + [("Visible", "False")]))

    # The components without a window.
    form.add(Obj("DsTimer1", "TDsTimer", [("Interval", 150), ("ActiveOnly", "False"), ("OnTimer", "DsTimer1Timer")]))
    for n in range(1, TRACKS + 1):
        form.add(Obj(f"DsSound{n}", "TDsSound"))
    for n in range(1, TRACKS + 1):
        form.add(Obj(f"DsWaveList{n}", "TDsWaveList", [("DsSound", f"DsSound{n}")]))

    faces = [(pic("bbtn1_1.bmp"), ""), (pic("bbtn1_2.bmp"), ""), (pic("bbtn1_1.bmp"), ""), (pic("bbtn1_3.bmp"), "")]
    faces32 = [(pic("bbtn1_1_32.bmp"), ""), (pic("bbtn1_2_32.bmp"), ""), (pic("bbtn1_1_32.bmp"), ""),
               (pic("bbtn1_3_32.bmp"), "")]
    background = [(pic("Playbtn_2_Up.bmp"), "compressed")] + [(None, "")] * 10
    # ButtonList takes a skin's faces; the drawn faces of 16th and 32nd tracks
    # are kept apart in lists of their own.
    for name, entries in (("ButtonList", faces), ("ButtonList16", faces), ("ButtonList32", faces32),
                          ("BitmapList", background)):
        form.raw.append(bitmap_list(name, entries, stycont, out_dir, used))
    tips = Obj("Tips", "TStyTipDlg", [("CaptionFill", "True"), ("CaptionHeader", q("Tambrel Tips")),
                                       ("CaptionTitle", q("Tips for Tambrel")), ("Effect", "deExplodeExt"),
                                       ("ShowAtStart", "True")])
    form.add(tips)
    menu, presets = main_menu()
    form.add(menu)
    for popup in popup_menus(presets):
        form.add(popup)
    return form.text() + "\n", used


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pictures", required=True)
    parser.add_argument("--stycont", required=True)
    parser.add_argument("--out-dir", required=True)
    args = parser.parse_args()
    os.makedirs(args.out_dir, exist_ok=True)
    text, used = build(args.pictures, args.stycont, args.out_dir)
    with open(os.path.join(args.out_dir, "TfrmMain.txtform"), "w", newline="\n") as f:
        f.write(text)
    with open(os.path.join(args.out_dir, "pictures.txt"), "w") as f:
        f.write("\n".join(sorted(set(used))) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
