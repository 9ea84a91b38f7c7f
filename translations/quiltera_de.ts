<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AppStrings</name>
    <message>
        <source>.  All rights reserved.</source>
        <translation>.  Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Step (1) - Select Image File</source>
        <translation>Schritt (1) - Bilddatei wählen</translation>
    </message>
    <message>
        <source>Step (2) - Set Tile Print Size</source>
        <translation>Schritt (2) - Druckgröße der Kacheln festlegen</translation>
    </message>
    <message>
        <source>Step (3) - Adjust Tiles, View Results</source>
        <translation>Schritt (3) - Kacheln anpassen, Ergebnis ansehen</translation>
    </message>
    <message>
        <source>Step (4) - Click to Save Tile Image Files</source>
        <translation>Schritt (4) - Klicken, um die Kachelbilder zu speichern</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>Eigene Dokumente</translation>
    </message>
    <message>
        <source>Navigate to My Documents folder</source>
        <translation>Zum Ordner Eigene Dokumente wechseln</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Schreibtisch</translation>
    </message>
    <message>
        <source>Navigate to Desktop folder</source>
        <translation>Zum Schreibtisch-Ordner wechseln</translation>
    </message>
    <message>
        <source>Show Tiles</source>
        <translation>Kacheln zeigen</translation>
    </message>
    <message>
        <source>Show locations of poster tiles</source>
        <translation>Lage der Posterkacheln zeigen</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Rotate Tiles 90 degrees</source>
        <translation>Kacheln um 90 Grad drehen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>View full screen preview of your poster</source>
        <translation>Vollbild-Vorschau Ihres Posters ansehen</translation>
    </message>
    <message>
        <source>Rotate image 90, 180, or 270 degrees</source>
        <translation>Bild um 90, 180 oder 270 Grad drehen</translation>
    </message>
    <message>
        <source>Final Poster Size</source>
        <translation>Endgültige Postergröße</translation>
    </message>
    <message>
        <source>MegaPixels</source>
        <translation>Megapixel</translation>
    </message>
    <message>
        <source>Millions of pixels used in poster image</source>
        <translation>Millionen Pixel des Posterbildes</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Final size of your poster</source>
        <translation>Endgültige Größe Ihres Posters</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Estimated image quality of your poster</source>
        <translation>Geschätzte Bildqualität Ihres Posters</translation>
    </message>
    <message>
        <source>Resolution of your final printed poster</source>
        <translation>Auflösung Ihres gedruckten Posters</translation>
    </message>
    <message>
        <source>Tile Placement</source>
        <translation>Lage der Kacheln</translation>
    </message>
    <message>
        <source>Adjust which part of your digital image to include in your poster</source>
        <translation>Festlegen, welcher Teil Ihres Bildes ins Poster kommt</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Senkrecht</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Waagerecht</translation>
    </message>
    <message>
        <source>Horizontal centering of the poster Tiles</source>
        <translation>Waagerechte Lage der Posterkacheln</translation>
    </message>
    <message>
        <source>Vertical centering of the poster Tiles</source>
        <translation>Senkrechte Lage der Posterkacheln</translation>
    </message>
    <message>
        <source>Zoom amount</source>
        <translation>Zoomstufe</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Number of Tiles</source>
        <translation>Anzahl der Kacheln</translation>
    </message>
    <message>
        <source>Lock tiles high = tiles wide</source>
        <translation>Kacheln hoch = Kacheln breit</translation>
    </message>
    <message>
        <source>Force number of tiles high to equal number of tiles wide</source>
        <translation>Anzahl der Kacheln in der Höhe gleich der in der Breite halten</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Breit</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Number of Tiles wide that poster will be</source>
        <translation>Anzahl der Kacheln, die das Poster breit wird</translation>
    </message>
    <message>
        <source>Number of Tiles high that poster will be</source>
        <translation>Anzahl der Kacheln, die das Poster hoch wird</translation>
    </message>
    <message>
        <source>Save Poster Tile Images</source>
        <translation>Kachelbilder speichern</translation>
    </message>
    <message>
        <source>Generate and save poster tile images now</source>
        <translation>Kachelbilder des Posters jetzt erzeugen und speichern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Print Size Per Tile</source>
        <translation>Druckgröße je Kachel</translation>
    </message>
    <message>
        <source>Edit paper/margins</source>
        <translation>Papier/Ränder bearbeiten</translation>
    </message>
    <message>
        <source>Adjust edges</source>
        <translation>Ränder ausgleichen</translation>
    </message>
    <message>
        <source>Apply Edge Calibration compensation when generating poster images</source>
        <translation>Beim Erzeugen der Posterbilder den Randausgleich anwenden</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit Edge Calibration Profiles</source>
        <translation>Randkalibrierungsprofile bearbeiten</translation>
    </message>
    <message>
        <source>Select active Edge Calibration Profile</source>
        <translation>Aktives Randkalibrierungsprofil wählen</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Length units</source>
        <translation>Längeneinheit</translation>
    </message>
    <message>
        <source>Trimmed</source>
        <translation>Beschnitten</translation>
    </message>
    <message>
        <source>Tile size after margins are trimmed off</source>
        <translation>Kachelgröße nach Abzug der Ränder</translation>
    </message>
    <message>
        <source>Full paper size</source>
        <translation>Ganze Papiergröße</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Paper size that poster tiles are being printed onto</source>
        <translation>Papiergröße, auf die die Posterkacheln gedruckt werden</translation>
    </message>
    <message>
        <source>Currently selected image</source>
        <translation>Gewähltes Bild</translation>
    </message>
    <message>
        <source>File list filter</source>
        <translation>Filter der Dateiliste</translation>
    </message>
    <message>
        <source>Filtered list of files in selected folder</source>
        <translation>Gefilterte Liste der Dateien im gewählten Ordner</translation>
    </message>
    <message>
        <source>Select folder containing the image that you want to make a poster out of</source>
        <translation>Ordner mit dem Bild wählen, aus dem Sie ein Poster machen möchten</translation>
    </message>
    <message>
        <source>Change the current drive</source>
        <translation>Laufwerk wechseln</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Select Paper/Margins...</source>
        <translation>Papier/Ränder wählen...</translation>
    </message>
    <message>
        <source>Edge Calibration...</source>
        <translation>Randkalibrierung...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Contents...</source>
        <translation>Inhalt...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>No Rotate</source>
        <translation>Nicht drehen</translation>
    </message>
    <message>
        <source>CW Rotate</source>
        <translation>Rechts drehen</translation>
    </message>
    <message>
        <source>CCW Rotate</source>
        <translation>Links drehen</translation>
    </message>
    <message>
        <source>180 Rotate</source>
        <translation>180 Grad drehen</translation>
    </message>
    <message>
        <source>Image Files (*.jpg, *.tif, *.bmp)</source>
        <translation type="vanished">Bilddateien (*.jpg, *.tif, *.bmp)</translation>
    </message>
    <message>
        <source>Jpeg Files Only (*.jpg)</source>
        <translation type="vanished">Nur JPEG-Dateien (*.jpg)</translation>
    </message>
    <message>
        <source>Tiff Files Only (*.tif)</source>
        <translation type="vanished">Nur TIFF-Dateien (*.tif)</translation>
    </message>
    <message>
        <source>BMP Files Only (*.bmp)</source>
        <translation>Nur BMP-Dateien (*.bmp)</translation>
    </message>
    <message>
        <source>Show All Files (*.*)</source>
        <translation>Alle Dateien zeigen (*.*)</translation>
    </message>
    <message>
        <source>full width</source>
        <translation>volle Breite</translation>
    </message>
    <message>
        <source>center</source>
        <translation>mittig</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>up</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>down</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>full height</source>
        <translation>volle Höhe</translation>
    </message>
    <message>
        <source>This option compensates for any edge clipping (cutting off of an image&apos;s left, right, top or bottom edges) that happens in your printer.  Edge Clipping primarily occurs with borderless printing.  Click on the Edit button to create or modify an Edge Calibration Profile for your printer.  The Edge Calibration Profile defines how much edge clipping your printer does (see the help file for more information on this).</source>
        <translation>Diese Einstellung gleicht das Beschneiden der Ränder (das Abschneiden des linken, rechten, oberen oder unteren Bildrands) durch Ihren Drucker aus.  Randbeschnitt tritt vor allem beim randlosen Druck auf.  Klicken Sie auf Bearbeiten, um ein Randkalibrierungsprofil für Ihren Drucker anzulegen oder zu ändern.  Das Randkalibrierungsprofil gibt an, wie viel Ihr Drucker an den Rändern abschneidet (mehr dazu in der Hilfe).</translation>
    </message>
    <message>
        <source>Edge Calibration Introduction</source>
        <translation>Einführung in die Randkalibrierung</translation>
    </message>
    <message>
        <source>The drive you chose could not be accessed.</source>
        <translation>Auf das gewählte Laufwerk konnte nicht zugegriffen werden.</translation>
    </message>
    <message>
        <source>Invalid Drive</source>
        <translation>Ungültiges Laufwerk</translation>
    </message>
    <message>
        <source>Could not determine the location of the Desktop folder.  Please navigate there manually using the folder listbox below here.</source>
        <translation>Der Ort des Schreibtisch-Ordners konnte nicht ermittelt werden.  Bitte wechseln Sie mit der Ordnerliste hier unten von Hand dorthin.</translation>
    </message>
    <message>
        <source>Could not determine the location of the My Documents folder.  Please navigate there manually using the folder listbox below here.</source>
        <translation>Der Ort des Ordners Eigene Dokumente konnte nicht ermittelt werden.  Bitte wechseln Sie mit der Ordnerliste hier unten von Hand dorthin.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>The image you selected is EXTREMELY small.  It has a height and/or width that is below the minimum allowable size of </source>
        <translation>Das gewählte Bild ist EXTREM klein.  Seine Höhe und/oder Breite liegt unter der kleinsten zulässigen Größe von </translation>
    </message>
    <message>
        <source> pixels.  Please select a larger image.  </source>
        <translation> Pixeln.  Bitte wählen Sie ein größeres Bild.  </translation>
    </message>
    <message>
        <source>Invalid Image File Selected</source>
        <translation>Ungültige Bilddatei gewählt</translation>
    </message>
    <message>
        <source>The help file</source>
        <translation>Die Hilfedatei</translation>
    </message>
    <message>
        <source>is missing.  Please reinstall this software.</source>
        <translation>fehlt.  Bitte installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <source>Can not find help file</source>
        <translation>Hilfedatei nicht gefunden</translation>
    </message>
    <message>
        <source>Quiltera Help</source>
        <translation>Quiltera-Hilfe</translation>
    </message>
    <message>
        <source>About Quiltera</source>
        <translation>Über Quiltera</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>Systeminfo</translation>
    </message>
    <message>
        <source>This application creates photo quality posters of any size/shape from your digital images.  It includes Edge Calibration technology to measure and compensate for the characteristics of your printer.</source>
        <translation>Dieses Programm macht aus Ihren Digitalbildern Poster in Fotoqualität in jeder Größe und Form.  Mit der Randkalibrierung misst es die Eigenheiten Ihres Druckers und gleicht sie aus.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
    <message>
        <source>Picture Too Large</source>
        <translation>Bild zu groß</translation>
    </message>
    <message>
        <source>%1.  Its tiles can still be saved as image files: they are cut from the file band by band.  Turning the picture, the preview, printing and the PDF poster need all of it in memory.</source>
        <translation>%1.  Seine Kacheln lassen sich trotzdem als Bilddateien speichern: Sie werden streifenweise aus der Datei geschnitten.  Zum Drehen des Bildes, für die Vorschau, den Druck und das PDF-Poster muss es ganz im Speicher liegen.</translation>
    </message>
    <message>
        <source>The picture cannot be turned - %1.</source>
        <translation>Das Bild kann nicht gedreht werden - %1.</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Blätter</translation>
    </message>
    <message>
        <source>Sheets of paper the poster is printed on</source>
        <translation>Papierblätter, auf die das Poster gedruckt wird</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Fill the sheets</source>
        <translation>Blätter füllen</translation>
    </message>
    <message>
        <source>Whole picture</source>
        <translation>Ganzes Bild</translation>
    </message>
    <message>
        <source>Fill the sheets: cut the picture to the sheets&apos; shape.  Whole picture: keep all of it, with blank paper where it does not reach.</source>
        <translation>Blätter füllen: das Bild auf die Form der Blätter zuschneiden.  Ganzes Bild: alles behalten, mit leerem Papier, wo es nicht hinreicht.</translation>
    </message>
    <message>
        <source>Poster width</source>
        <translation>Posterbreite</translation>
    </message>
    <message>
        <source>Poster height</source>
        <translation>Posterhöhe</translation>
    </message>
    <message>
        <source>The poster&apos;s width or height on the wall, e.g. 1m, 90cm or 36in; a bare number is in the current unit</source>
        <translation>Breite oder Höhe des Posters an der Wand, z. B. 1m, 90cm oder 36in; eine Zahl allein gilt in der aktuellen Einheit</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Choose the fewest tiles that hold the whole picture at that size</source>
        <translation>Die wenigsten Kacheln wählen, die das ganze Bild in dieser Größe fassen</translation>
    </message>
    <message>
        <source>Poster Size</source>
        <translation>Postergröße</translation>
    </message>
    <message>
        <source>Type the poster&apos;s width or height as a number above 0, with mm, cm, m or in after it, or none for the current unit.</source>
        <translation>Geben Sie Breite oder Höhe des Posters als Zahl über 0 ein, gefolgt von mm, cm, m oder in, oder ohne Einheit für die aktuelle.</translation>
    </message>
    <message>
        <source>Image Files (*.jpg, *.jpeg, *.tif, *.tiff, *.bmp, *.png, *.webp)</source>
        <translation type="vanished">Bilddateien (*.jpg, *.jpeg, *.tif, *.tiff, *.bmp, *.png, *.webp)</translation>
    </message>
    <message>
        <source>Jpeg Files Only (*.jpg, *.jpeg)</source>
        <translation>Nur JPEG-Dateien (*.jpg, *.jpeg)</translation>
    </message>
    <message>
        <source>Tiff Files Only (*.tif, *.tiff)</source>
        <translation>Nur TIFF-Dateien (*.tif, *.tiff)</translation>
    </message>
    <message>
        <source>PNG Files Only (*.png)</source>
        <translation>Nur PNG-Dateien (*.png)</translation>
    </message>
    <message>
        <source>WebP Files Only (*.webp)</source>
        <translation>Nur WebP-Dateien (*.webp)</translation>
    </message>
    <message>
        <source>Image Files (every kind below)</source>
        <translation>Bilddateien (alle Arten unten)</translation>
    </message>
    <message>
        <source>HEIC and HEIF Files Only (*.heic, *.heif, *.avif)</source>
        <translation>Nur HEIC- und HEIF-Dateien (*.heic, *.heif, *.avif)</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Seite:</translation>
    </message>
    <message>
        <source>The page of the PDF file that becomes the poster</source>
        <translation>Die Seite der PDF-Datei, die zum Poster wird</translation>
    </message>
    <message>
        <source>The resolution the page is drawn at for the tile images and the printer</source>
        <translation>Die Auflösung, mit der die Seite für die Kachelbilder und den Drucker gezeichnet wird</translation>
    </message>
    <message>
        <source> dpi</source>
        <translation> dpi</translation>
    </message>
    <message>
        <source> of %1</source>
        <translation> von %1</translation>
    </message>
    <message>
        <source>PDF Files Only (*.pdf)</source>
        <translation>Nur PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>SVG Files Only (*.svg, *.svgz)</source>
        <translation>Nur SVG-Dateien (*.svg, *.svgz)</translation>
    </message>
</context>
<context>
    <name>CalibrationStrings</name>
    <message>
        <source>Edge Calibration</source>
        <translation>Randkalibrierung</translation>
    </message>
    <message>
        <source>Edge Calibration Profiles</source>
        <translation>Randkalibrierungsprofile</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Create a new Edge Calibration Profile</source>
        <translation>Neues Randkalibrierungsprofil anlegen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Rename the currently selected Edge Calibration Profile</source>
        <translation>Gewähltes Randkalibrierungsprofil umbenennen</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the currently selected Edge Calibration Profile</source>
        <translation>Gewähltes Randkalibrierungsprofil löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the Edge Calibration dialog box</source>
        <translation>Dialog Randkalibrierung schließen</translation>
    </message>
    <message>
        <source>Create Edge Calibration Test Image</source>
        <translation>Testbild für die Randkalibrierung erstellen</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the TOP edge of your test print</source>
        <translation>Gibt für das gewählte Randkalibrierungsprofil an, wie viele der vier Testlinien am OBEREN Rand Ihres Testdrucks sichtbar sind</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the RIGHT edge of your test print</source>
        <translation>Gibt für das gewählte Randkalibrierungsprofil an, wie viele der vier Testlinien am RECHTEN Rand Ihres Testdrucks sichtbar sind</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the BOTTOM edge of your test print</source>
        <translation>Gibt für das gewählte Randkalibrierungsprofil an, wie viele der vier Testlinien am UNTEREN Rand Ihres Testdrucks sichtbar sind</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the LEFT edge of your test print</source>
        <translation>Gibt für das gewählte Randkalibrierungsprofil an, wie viele der vier Testlinien am LINKEN Rand Ihres Testdrucks sichtbar sind</translation>
    </message>
    <message>
        <source>Amount the printer cuts of from the edges of images</source>
        <translation>Wie viel der Drucker an den Bildrändern abschneidet</translation>
    </message>
    <message>
        <source>Edge Calibration information for the currently selected Edge Calibration Profile</source>
        <translation>Randkalibrierung des gewählten Randkalibrierungsprofils</translation>
    </message>
    <message>
        <source>Top Edge</source>
        <translation>Oberer Rand</translation>
    </message>
    <message>
        <source>Right Edge</source>
        <translation>Rechter Rand</translation>
    </message>
    <message>
        <source>Bottom Edge:</source>
        <translation>Unterer Rand:</translation>
    </message>
    <message>
        <source>Left Edge:</source>
        <translation>Linker Rand:</translation>
    </message>
    <message>
        <source>2/64 inches</source>
        <translation>2/64 Zoll</translation>
    </message>
    <message>
        <source>Step (1) Create and print test image</source>
        <translation>Schritt (1) Testbild erstellen und drucken</translation>
    </message>
    <message>
        <source>Click on button to create an Edge Calibration test image for the currently selected print size.  The test image will have 4 lines (1/16 inch wide each) around its border.  Print the test image.   </source>
        <translation>Klicken Sie auf die Schaltfläche, um ein Testbild für die Randkalibrierung in der gewählten Druckgröße zu erstellen.  Das Testbild hat 4 Linien (je 1/16 Zoll breit) entlang seines Randes.  Drucken Sie das Testbild.   </translation>
    </message>
    <message>
        <source>1/16 inch</source>
        <translation>1/16 Zoll</translation>
    </message>
    <message>
        <source>Step (2) Enter Edge Calibration Profile Information </source>
        <translation>Schritt (2) Angaben zum Randkalibrierungsprofil eingeben </translation>
    </message>
    <message>
        <source>Select how many of the 4 border lines are visible at each edge of your test print.  This &apos;Edge Calibration Profile&apos; information is used by the software to compensate for any clipping that your printer does. </source>
        <translation>Wählen Sie, wie viele der 4 Randlinien an jedem Rand Ihres Testdrucks sichtbar sind.  Mit diesem &apos;Randkalibrierungsprofil&apos; gleicht das Programm das Beschneiden durch Ihren Drucker aus. </translation>
    </message>
    <message>
        <source>Test Print</source>
        <translation>Testdruck</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Amount the printer cuts off from each edge</source>
        <translation>Wie viel der Drucker an jedem Rand abschneidet</translation>
    </message>
    <message>
        <source>top edge:</source>
        <translation>oberer Rand:</translation>
    </message>
    <message>
        <source>right edge:</source>
        <translation>rechter Rand:</translation>
    </message>
    <message>
        <source>bottom edge:</source>
        <translation>unterer Rand:</translation>
    </message>
    <message>
        <source>left edge:</source>
        <translation>linker Rand:</translation>
    </message>
    <message>
        <source>See all 4 lines</source>
        <translation>Alle 4 Linien sichtbar</translation>
    </message>
    <message>
        <source>See</source>
        <translation>Sichtbar:</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>Linien</translation>
    </message>
    <message>
        <source>See no lines</source>
        <translation>Keine Linie sichtbar</translation>
    </message>
    <message>
        <source>None of the image is clipped</source>
        <translation>Nichts vom Bild wird abgeschnitten</translation>
    </message>
    <message>
        <source>Printer cuts off</source>
        <translation>Drucker schneidet</translation>
    </message>
    <message>
        <source>of image</source>
        <translation>des Bildes ab</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>mm </source>
        <translation>mm </translation>
    </message>
    <message>
        <source>Enter name for new configuration</source>
        <translation>Namen für das neue Profil eingeben</translation>
    </message>
    <message>
        <source>Enter new name for this Edge Calibrtion Profile</source>
        <translation>Neuen Namen für dieses Randkalibrierungsprofil eingeben</translation>
    </message>
    <message>
        <source>New Configuration</source>
        <translation>Neues Profil</translation>
    </message>
    <message>
        <source>Are you sure that you want to delete the currently selected Edge Calibration Profile</source>
        <translation>Möchten Sie das gewählte Randkalibrierungsprofil wirklich löschen</translation>
    </message>
    <message>
        <source>Delete Edge Calibration Profile</source>
        <translation>Randkalibrierungsprofil löschen</translation>
    </message>
    <message>
        <source>You must have at least one Edge Calibration Profile.  You can not delete your only one.</source>
        <translation>Sie brauchen mindestens ein Randkalibrierungsprofil.  Das einzige kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Can not remove profile</source>
        <translation>Profil kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>You already have the largest number of Edge Calibration Profiles that can be stored.  Delete one before creating a new one.</source>
        <translation>Sie haben schon die größte Zahl an Randkalibrierungsprofilen, die gespeichert werden kann.  Löschen Sie eines, bevor Sie ein neues anlegen.</translation>
    </message>
    <message>
        <source>Can not add profile</source>
        <translation>Profil kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>Create Test Target</source>
        <translation>Testbild erstellen</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>1.6 mm</source>
        <translation>1,6 mm</translation>
    </message>
    <message>
        <source>A </source>
        <translation>Ein </translation>
    </message>
    <message>
        <source>high</source>
        <translation>hohes</translation>
    </message>
    <message>
        <source>wide test image will now be created</source>
        <translation>breites Testbild wird jetzt erstellt</translation>
    </message>
    <message>
        <source>The target will have 4 colored stripes printed around each edge.  Each stripe is</source>
        <translation>Das Testbild hat 4 farbige Streifen entlang jedes Randes.  Jeder Streifen ist</translation>
    </message>
    <message>
        <source>wide</source>
        <translation>breit</translation>
    </message>
    <message>
        <source>In order to to test how much your printer clips off of each edge, please do the following</source>
        <translation>Um zu prüfen, wie viel Ihr Drucker an jedem Rand abschneidet, gehen Sie bitte so vor</translation>
    </message>
    <message>
        <source>When prompted, save the image to your hard drive</source>
        <translation>Speichern Sie das Bild, wenn Sie gefragt werden, auf Ihrer Festplatte</translation>
    </message>
    <message>
        <source>Print the image on your printer</source>
        <translation>Drucken Sie das Bild auf Ihrem Drucker</translation>
    </message>
    <message>
        <source>Count how many of the 4 colored stripes are visible on each edge of your print and input that information in the dialog box below here.</source>
        <translation>Zählen Sie, wie viele der 4 farbigen Streifen an jedem Rand Ihres Drucks sichtbar sind, und geben Sie das im Dialog hier unten ein.</translation>
    </message>
    <message>
        <source>Click OK to continue or cancel to quit</source>
        <translation>Klicken Sie auf OK, um fortzufahren, oder auf Abbrechen, um aufzuhören</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Test Target Creation canceled</source>
        <translation>Erstellen des Testbilds abgebrochen</translation>
    </message>
    <message>
        <source>canceled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>Invalid image filename.  Must save image as bmp, tif or jpg file</source>
        <translation>Ungültiger Bilddateiname.  Das Bild muss als BMP-, TIF- oder JPG-Datei gespeichert werden</translation>
    </message>
    <message>
        <source>Invalid file type</source>
        <translation>Ungültiger Dateityp</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Die Datei</translation>
    </message>
    <message>
        <source>already exists.  Do you want to replace it?</source>
        <translation>gibt es schon.  Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>Error occurred while saving image to disk</source>
        <translation>Beim Speichern des Bildes auf die Festplatte ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <source>Edge Test Print</source>
        <translation>Randtestdruck</translation>
    </message>
    <message>
        <source>Error adding text to edge test print</source>
        <translation>Fehler beim Beschriften des Randtestdrucks</translation>
    </message>
    <message>
        <source>Test Image Creation Completed</source>
        <translation>Testbild erstellt</translation>
    </message>
    <message>
        <source>Image successfully saved to disk.</source>
        <translation>Bild erfolgreich gespeichert.</translation>
    </message>
    <message>
        <source>Next you need to</source>
        <translation>Als Nächstes müssen Sie</translation>
    </message>
    <message>
        <source>Print this image</source>
        <translation>Dieses Bild drucken</translation>
    </message>
    <message>
        <source>using the same printer, paper and printer settings that you</source>
        <translation>mit demselben Drucker, Papier und denselben Druckereinstellungen, die Sie</translation>
    </message>
    <message>
        <source>will use when printing your poster images</source>
        <translation>beim Drucken Ihrer Posterbilder verwenden werden</translation>
    </message>
    <message>
        <source>Count the number of visible stripes along each edge of the resulting test print.</source>
        <translation>Die sichtbaren Streifen an jedem Rand des Testdrucks zählen.</translation>
    </message>
    <message>
        <source>Make sure that you currently have selected the Edge Calibration Profile which you would like to modify.</source>
        <translation>Achten Sie darauf, dass das Randkalibrierungsprofil gewählt ist, das Sie ändern möchten.</translation>
    </message>
    <message>
        <source>Using the four dropdown controls located below here, indicate how many stripes are visible at each edge of your print (this tells the software how much your printer clips off of each edge of your prints).</source>
        <translation>Geben Sie mit den vier Auswahllisten hier unten an, wie viele Streifen an jedem Rand Ihres Drucks sichtbar sind (so erfährt das Programm, wie viel Ihr Drucker an jedem Rand abschneidet).</translation>
    </message>
    <message>
        <source>The custom print size that you currently have entered in not valid.  The height and width must both be between</source>
        <translation>Die eingegebene eigene Druckgröße ist ungültig.  Höhe und Breite müssen beide zwischen</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>inches long.  Please enter valid values in the</source>
        <translation>Zoll lang sein.  Bitte geben Sie gültige Werte im Bereich</translation>
    </message>
    <message>
        <source>section of the main dialog</source>
        <translation>des Hauptfensters ein</translation>
    </message>
    <message>
        <source>Invalide print dimensions</source>
        <translation>Ungültige Druckmaße</translation>
    </message>
</context>
<context>
    <name>CanvasStrings</name>
    <message>
        <source>Invalid tile configuration</source>
        <translation>Ungültige Kachelanordnung</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Ungültig</translation>
    </message>
    <message>
        <source>Poster Preview</source>
        <translation>Postervorschau</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Invalid print size values</source>
        <translation>Ungültige Druckgröße</translation>
    </message>
    <message>
        <source>Invalid information</source>
        <translation>Ungültige Angaben</translation>
    </message>
    <message>
        <source>No image selected.  Please select an image from the file listbox</source>
        <translation>Kein Bild gewählt.  Bitte wählen Sie ein Bild aus der Dateiliste</translation>
    </message>
    <message>
        <source>No Image Selected</source>
        <translation>Kein Bild gewählt</translation>
    </message>
</context>
<context>
    <name>CliStrings</name>
    <message>
        <source>Cuts one photograph into poster tiles, one image file per sheet, without any window.
Options not given take the values the Quiltera window starts with; options given apply
to this run only and are never stored.</source>
        <translation>Zerlegt ein Foto in Posterkacheln, eine Bilddatei je Blatt, ohne Fenster.
Nicht angegebene Optionen haben die Werte, mit denen das Quiltera-Fenster startet; angegebene
gelten nur für diesen Lauf und werden nie gespeichert.</translation>
    </message>
    <message>
        <source>The picture to cut: a BMP, JPEG, TIFF, PNG or WebP file (.bmp, .jpg, .jpeg, .tif, .tiff, .png, .webp in any case).</source>
        <translation type="vanished">Das zu zerlegende Bild: eine BMP-, JPEG-, TIFF-, PNG- oder WebP-Datei (.bmp, .jpg, .jpeg, .tif, .tiff, .png, .webp in beliebiger Schreibung).</translation>
    </message>
    <message>
        <source>Tiles wide and high, 1 to 25 each, e.g. 4x3.</source>
        <translation>Kacheln breit und hoch, je 1 bis 25, z. B. 4x3.</translation>
    </message>
    <message>
        <source>Unit of paper and margins: in or mm.</source>
        <translation>Einheit von Papier und Rändern: in oder mm.</translation>
    </message>
    <message>
        <source>Paper by its exact catalogue name (see --list-papers).</source>
        <translation>Papier mit seinem genauen Katalognamen (siehe --list-papers).</translation>
    </message>
    <message>
        <source>Custom paper of the current unit, width x height, e.g. 13x19.</source>
        <translation>Eigenes Papier in der gewählten Einheit, Breite x Höhe, z. B. 13x19.</translation>
    </message>
    <message>
        <source>Margins top,right,bottom,left in the current unit.</source>
        <translation>Ränder oben,rechts,unten,links in der gewählten Einheit.</translation>
    </message>
    <message>
        <source>Turn the image clockwise: 0, 90, 180 or 270.</source>
        <translation>Das Bild im Uhrzeigersinn drehen: 0, 90, 180 oder 270.</translation>
    </message>
    <message>
        <source>Print every tile turned by a quarter turn.</source>
        <translation>Jede Kachel um eine Vierteldrehung gedreht drucken.</translation>
    </message>
    <message>
        <source>Zoom in percent, 0 to 400.</source>
        <translation>Zoom in Prozent, 0 bis 400.</translation>
    </message>
    <message>
        <source>Grid placement horizontal,vertical, 0 to 200 each, 100 centred.</source>
        <translation>Lage des Rasters waagerecht,senkrecht, je 0 bis 200, 100 mittig.</translation>
    </message>
    <message>
        <source>Compensate printer edge clipping with the named profile (see --list-profiles).</source>
        <translation>Randbeschnitt des Druckers mit dem genannten Profil ausgleichen (siehe --list-profiles).</translation>
    </message>
    <message>
        <source>Tile file format: bmp, tif or jpg (default: the image&apos;s own), or pdf for one PDF poster of every sheet with assembly aids.</source>
        <translation>Dateiformat der Kacheln: bmp, tif oder jpg (vorgegeben: das des Bildes) oder pdf für ein PDF-Poster mit allen Blättern und Montagehilfen.</translation>
    </message>
    <message>
        <source>PDF: width of the glue strip in the paper&apos;s unit (default 10 mm or 0.4 inch, or the margin when smaller); 0 for none.</source>
        <translation>PDF: Breite des Klebestreifens in der Einheit des Papiers (vorgegeben 10 mm oder 0,4 Zoll, oder der Rand, wenn kleiner); 0 für keinen.</translation>
    </message>
    <message>
        <source>PDF: no cut marks.</source>
        <translation>PDF: keine Schnittmarken.</translation>
    </message>
    <message>
        <source>PDF: no sheet labels.</source>
        <translation>PDF: keine Blattbeschriftung.</translation>
    </message>
    <message>
        <source>PDF: no assembly page.</source>
        <translation>PDF: keine Montageseite.</translation>
    </message>
    <message>
        <source>--glue-strip needs a length of 0 or more</source>
        <translation>--glue-strip braucht eine Länge von 0 oder mehr</translation>
    </message>
    <message>
        <source>The new folder for the tiles; its parent must exist (default: beside the image).</source>
        <translation>Der neue Ordner für die Kacheln; sein übergeordneter Ordner muss bestehen (vorgegeben: neben dem Bild).</translation>
    </message>
    <message>
        <source>Base name of the tile files (default: the image&apos;s name and _).</source>
        <translation>Grundname der Kacheldateien (vorgegeben: der Name des Bildes und _).</translation>
    </message>
    <message>
        <source>Write into the folder even when it exists already.</source>
        <translation>Auch in einen schon bestehenden Ordner schreiben.</translation>
    </message>
    <message>
        <source>Write nothing: print the poster report and every tile rectangle.</source>
        <translation>Nichts schreiben: den Posterbericht und jedes Kachelrechteck ausgeben.</translation>
    </message>
    <message>
        <source>Print the report (and the written files) as one JSON object.</source>
        <translation>Den Bericht (und die geschriebenen Dateien) als ein JSON-Objekt ausgeben.</translation>
    </message>
    <message>
        <source>Print the paper catalogue names and exit.</source>
        <translation>Die Namen des Papierkatalogs ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Print the edge calibration profile names and exit.</source>
        <translation>Die Namen der Randkalibrierungsprofile ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Die Version ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Diese Hilfe ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Try &apos;quiltera-cli --help&apos;.</source>
        <translation>Siehe &apos;quiltera-cli --help&apos;.</translation>
    </message>
    <message>
        <source>No IMAGE given.</source>
        <translation>Kein IMAGE angegeben.</translation>
    </message>
    <message>
        <source>Only one IMAGE can be cut at a time.</source>
        <translation>Es kann nur ein IMAGE auf einmal zerlegt werden.</translation>
    </message>
    <message>
        <source>--tiles needs two whole numbers from 1 to 25, such as 4x3</source>
        <translation>--tiles braucht zwei ganze Zahlen von 1 bis 25, etwa 4x3</translation>
    </message>
    <message>
        <source>--units needs in or mm</source>
        <translation>--units braucht in oder mm</translation>
    </message>
    <message>
        <source>--custom-paper needs a width and a height, such as 13x19</source>
        <translation>--custom-paper braucht eine Breite und eine Höhe, etwa 13x19</translation>
    </message>
    <message>
        <source>--margins needs four numbers: top,right,bottom,left</source>
        <translation>--margins braucht vier Zahlen: oben,rechts,unten,links</translation>
    </message>
    <message>
        <source>--rotate-image needs 0, 90, 180 or 270</source>
        <translation>--rotate-image braucht 0, 90, 180 oder 270</translation>
    </message>
    <message>
        <source>--zoom needs a whole number from 0 to 400</source>
        <translation>--zoom braucht eine ganze Zahl von 0 bis 400</translation>
    </message>
    <message>
        <source>--placement needs two whole numbers from 0 to 200, horizontal,vertical, such as 100,100</source>
        <translation>--placement braucht zwei ganze Zahlen von 0 bis 200, waagerecht,senkrecht, etwa 100,100</translation>
    </message>
    <message>
        <source>--format needs bmp, tif, jpg or pdf</source>
        <translation>--format braucht bmp, tif, jpg oder pdf</translation>
    </message>
    <message>
        <source>--out needs the path of a folder to create</source>
        <translation>--out braucht den Pfad eines anzulegenden Ordners</translation>
    </message>
    <message>
        <source>--out must name a new folder, not the root of the file system</source>
        <translation>--out muss einen neuen Ordner nennen, nicht die Wurzel des Dateisystems</translation>
    </message>
    <message>
        <source>No paper of that name in the catalogue (see --list-papers):</source>
        <translation>Kein Papier dieses Namens im Katalog (siehe --list-papers):</translation>
    </message>
    <message>
        <source>That paper is not in the catalogue of the unit chosen:</source>
        <translation>Dieses Papier steht nicht im Katalog der gewählten Einheit:</translation>
    </message>
    <message>
        <source>--paper and --custom-paper each choose the paper: give only one</source>
        <translation>--paper und --custom-paper wählen beide das Papier: geben Sie nur eines an</translation>
    </message>
    <message>
        <source>No edge calibration profile of that name (see --list-profiles):</source>
        <translation>Kein Randkalibrierungsprofil dieses Namens (siehe --list-profiles):</translation>
    </message>
    <message>
        <source>The paper or margins given cannot be used:</source>
        <translation>Papier oder Ränder sind so nicht verwendbar:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The image could not be loaded</source>
        <translation>Das Bild konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>only files whose names end in BMP, JPG or TIF can be loaded</source>
        <translation type="vanished">nur Dateien, deren Namen auf BMP, JPG oder TIF enden, können geladen werden</translation>
    </message>
    <message>
        <source>only files whose names end in .bmp, .jpg, .jpeg, .tif, .tiff, .png or .webp can be loaded</source>
        <translation type="vanished">nur Dateien, deren Namen auf .bmp, .jpg, .jpeg, .tif, .tiff, .png oder .webp enden, können geladen werden</translation>
    </message>
    <message>
        <source>a PNG or WebP picture has no tile format of its own: give --format bmp, tif, jpg or pdf</source>
        <translation>ein PNG- oder WebP-Bild hat kein eigenes Kachelformat: geben Sie --format bmp, tif, jpg oder pdf an</translation>
    </message>
    <message>
        <source>Nothing was written.  Add --overwrite to write into the existing folder.</source>
        <translation>Nichts wurde geschrieben.  Mit --overwrite wird in den bestehenden Ordner geschrieben.</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Kacheln</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Kachel</translation>
    </message>
    <message>
        <source>Tile pixels per inch</source>
        <translation>Kachelpixel je Zoll</translation>
    </message>
    <message>
        <source>resolution tag</source>
        <translation>Auflösungsangabe</translation>
    </message>
    <message>
        <source>, not &quot;%1&quot;</source>
        <translation>, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Print the PDF poster at 100 percent on the default CUPS queue, or on the one --print-queue names (--print=QUEUE says both at once). Implies --format pdf.</source>
        <translation>Das PDF-Poster zu 100 Prozent auf der Standard-CUPS-Warteschlange drucken oder auf der, die --print-queue nennt (--print=WARTESCHLANGE sagt beides zugleich). Setzt --format pdf voraus.</translation>
    </message>
    <message>
        <source>The CUPS queue to print on; implies --print.</source>
        <translation>Die CUPS-Warteschlange, auf der gedruckt wird; setzt --print voraus.</translation>
    </message>
    <message>
        <source>Print even where the printer cannot print as close to the paper&apos;s edge as the margins ask.</source>
        <translation>Auch dort drucken, wo der Drucker nicht so nah an den Papierrand drucken kann, wie die Ränder verlangen.</translation>
    </message>
    <message>
        <source>The printer cannot print as close to the paper&apos;s edge as the margins ask: %1. Those parts of the sheets would not be printed; --allow-clipping prints anyway.</source>
        <translation>Der Drucker kann nicht so nah an den Papierrand drucken, wie die Ränder verlangen: %1. Diese Teile der Blätter würden nicht gedruckt; --allow-clipping druckt trotzdem.</translation>
    </message>
    <message>
        <source>PDF and printing: only these sheets, by label, number or range (A2,B1 or 3-4), without the assembly page, to make or print again.</source>
        <translation>PDF und Druck: nur diese Blätter, nach Bezeichnung, Nummer oder Bereich (A2,B1 oder 3-4), ohne Montageseite, um sie erneut zu erstellen oder zu drucken.</translation>
    </message>
    <message>
        <source>Printing: this many copies of every sheet, 1 to 99.</source>
        <translation>Druck: so viele Exemplare jedes Blatts, 1 bis 99.</translation>
    </message>
    <message>
        <source>--copies needs a whole number from 1 to 99</source>
        <translation>--copies braucht eine ganze Zahl von 1 bis 99</translation>
    </message>
    <message>
        <source>--sheets names a sheet this poster does not have, or is not a list such as A2,B1 or 3-4</source>
        <translation>--sheets nennt ein Blatt, das dieses Poster nicht hat, oder ist keine Liste wie A2,B1 oder 3-4</translation>
    </message>
    <message>
        <source>--sheets goes with --format pdf or --print</source>
        <translation>--sheets gehört zu --format pdf oder --print</translation>
    </message>
    <message>
        <source>How the picture meets the sheets: fill (cut to the sheets&apos; shape, the default) or whole (all of the picture, blank paper where it does not reach).</source>
        <translation>Wie das Bild die Blätter füllt: fill (auf die Form der Blätter zugeschnitten, vorgegeben) oder whole (das ganze Bild, leeres Papier, wo es nicht hinreicht).</translation>
    </message>
    <message>
        <source>Size the poster by its width, e.g. 1m, 90cm or 36in (a bare number is in the current unit): the fewest tiles that hold the whole picture that wide, with --fit whole.</source>
        <translation>Das Poster nach seiner Breite bemessen, z. B. 1m, 90cm oder 36in (eine Zahl allein gilt in der aktuellen Einheit): die wenigsten Kacheln, die das ganze Bild so breit fassen, mit --fit whole.</translation>
    </message>
    <message>
        <source>Size the poster by its height, as --poster-width does by its width.</source>
        <translation>Das Poster nach seiner Höhe bemessen, wie --poster-width nach der Breite.</translation>
    </message>
    <message>
        <source>--fit needs fill or whole</source>
        <translation>--fit braucht fill oder whole</translation>
    </message>
    <message>
        <source>--poster-width and --poster-height need a length above 0, with mm, cm, m or in or none</source>
        <translation>--poster-width und --poster-height brauchen eine Länge über 0, mit mm, cm, m, in oder ohne Einheit</translation>
    </message>
    <message>
        <source>--poster-width and --poster-height each size the poster: give only one</source>
        <translation>--poster-width und --poster-height bemessen jeweils das Poster: nur eines angeben</translation>
    </message>
    <message>
        <source>(left out)</source>
        <translation>(ausgelassen)</translation>
    </message>
    <message>
        <source>only files whose names end in .bmp, .jpg, .jpeg, .tif, .tiff, .png, .webp, .heic, .heif or .avif can be loaded</source>
        <translation>nur Dateien, deren Namen auf .bmp, .jpg, .jpeg, .tif, .tiff, .png, .webp, .heic, .heif oder .avif enden, können geladen werden</translation>
    </message>
    <message>
        <source>The picture to cut: a BMP, JPEG, TIFF, PNG, WebP or HEIF file (.bmp, .jpg, .jpeg, .tif, .tiff, .png, .webp, .heic, .heif, .avif in any case).</source>
        <translation>Das zu schneidende Bild: eine BMP-, JPEG-, TIFF-, PNG-, WebP- oder HEIF-Datei (.bmp, .jpg, .jpeg, .tif, .tiff, .png, .webp, .heic, .heif, .avif in beliebiger Schreibung).</translation>
    </message>
    <message>
        <source>The page of a PDF file that becomes the poster, from 1 (the first page when not given).</source>
        <translation>Die Seite einer PDF-Datei, die zum Poster wird, ab 1 (ohne Angabe die erste Seite).</translation>
    </message>
    <message>
        <source>--page needs a whole number from 1</source>
        <translation>--page braucht eine ganze Zahl ab 1</translation>
    </message>
    <message>
        <source>A page of a PDF or SVG file is drawn at this many dots per inch of the printed poster, 10 to 2400 (300 when not given).</source>
        <translation>Eine Seite einer PDF- oder SVG-Datei wird mit so vielen Punkten pro Zoll des gedruckten Posters gezeichnet, 10 bis 2400 (ohne Angabe 300).</translation>
    </message>
    <message>
        <source>--resolution needs a whole number from 10 to 2400</source>
        <translation>--resolution braucht eine ganze Zahl von 10 bis 2400</translation>
    </message>
</context>
<context>
    <name>DialogStrings</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save Test Target</source>
        <translation>Testbild speichern</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>Tiff (*.tif)</source>
        <translation>TIFF (*.tif)</translation>
    </message>
    <message>
        <source>Jpeg (*.jpg)</source>
        <translation>JPEG (*.jpg)</translation>
    </message>
</context>
<context>
    <name>ImagingStrings</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error initializing image object.  Can not continue.</source>
        <translation>Fehler beim Anlegen des Bildobjekts.  Es kann nicht weitergehen.</translation>
    </message>
    <message>
        <source>Error in image object initialization procedure.  Can not continue.</source>
        <translation>Fehler im Ablauf der Bildobjekt-Initialisierung.  Es kann nicht weitergehen.</translation>
    </message>
    <message>
        <source>The image file does not exist</source>
        <translation>Die Bilddatei existiert nicht</translation>
    </message>
    <message>
        <source>The image file is empty</source>
        <translation>Die Bilddatei ist leer</translation>
    </message>
    <message>
        <source>The image file can not be read</source>
        <translation>Die Bilddatei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The file is not a BMP, JPEG or TIFF image</source>
        <translation>Die Datei ist kein BMP-, JPEG- oder TIFF-Bild</translation>
    </message>
    <message>
        <source>The image is too large to be processed</source>
        <translation>Das Bild ist zu groß zum Verarbeiten</translation>
    </message>
    <message>
        <source>The image file is incomplete or damaged</source>
        <translation>Die Bilddatei ist unvollständig oder beschädigt</translation>
    </message>
    <message>
        <source>The image file could not be decoded</source>
        <translation>Die Bilddatei konnte nicht dekodiert werden</translation>
    </message>
    <message>
        <source>Not enough memory for the image</source>
        <translation>Nicht genug Speicher für das Bild</translation>
    </message>
    <message>
        <source>The image needs %1 MB of memory to open, but only %2 MB are free</source>
        <translation>Das Bild braucht zum Öffnen %1 MB Speicher, frei sind aber nur %2 MB</translation>
    </message>
    <message>
        <source>The JPEG file has %1 scans, more than the %2 any camera or program writes; it is damaged or made to stall the program</source>
        <translation>Die JPEG-Datei hat %1 Scans, mehr als die %2, die eine Kamera oder ein Programm schreibt; sie ist beschädigt oder soll das Programm aufhalten</translation>
    </message>
    <message>
        <source>There is no image</source>
        <translation>Es gibt kein Bild</translation>
    </message>
    <message>
        <source>Invalid image size</source>
        <translation>Ungültige Bildgröße</translation>
    </message>
    <message>
        <source>Invalid colour value</source>
        <translation>Ungültiger Farbwert</translation>
    </message>
    <message>
        <source>An image can only be turned by 90, 180 or 270 degrees</source>
        <translation>Ein Bild kann nur um 90, 180 oder 270 Grad gedreht werden</translation>
    </message>
    <message>
        <source>Invalid image resolution</source>
        <translation>Ungültige Bildauflösung</translation>
    </message>
    <message>
        <source>The pixel array is empty</source>
        <translation>Das Pixelfeld ist leer</translation>
    </message>
    <message>
        <source>Unknown image file type</source>
        <translation>Unbekannter Bilddateityp</translation>
    </message>
    <message>
        <source>The image could not be encoded</source>
        <translation>Das Bild konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>The image file could not be written</source>
        <translation>Die Bilddatei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Invalid text size</source>
        <translation>Ungültige Schriftgröße</translation>
    </message>
    <message>
        <source>The text could not be drawn</source>
        <translation>Der Text konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>The image would take %1 MB of memory whole, more than the %2 MB the program holds</source>
        <translation>Das Bild bräuchte ganz %1 MB Speicher, mehr als die %2 MB, die das Programm hält</translation>
    </message>
    <message>
        <source>Damaged Image</source>
        <translation>Beschädigtes Bild</translation>
    </message>
    <message>
        <source>The image file is damaged: its rows %1 to %2 could not be read and show grey or wrong colours.</source>
        <translation>Die Bilddatei ist beschädigt: Ihre Zeilen %1 bis %2 konnten nicht gelesen werden und erscheinen grau oder in falschen Farben.</translation>
    </message>
    <message>
        <source>Tiles can only be saved where the grid does not reach those rows.</source>
        <translation>Kacheln lassen sich nur speichern, wo das Raster diese Zeilen nicht erreicht.</translation>
    </message>
    <message>
        <source>Tiles that need those rows will print them so.</source>
        <translation>Kacheln, die diese Zeilen brauchen, werden sie so drucken.</translation>
    </message>
    <message>
        <source>The picture is a HEIF file whose codec this system lacks (for AVIF pictures, libheif&apos;s AV1 decoder)</source>
        <translation>Das Bild ist eine HEIF-Datei, deren Codec diesem System fehlt (für AVIF-Bilder der AV1-Decoder von libheif)</translation>
    </message>
    <message>
        <source>The PDF file can not be read</source>
        <translation>Die PDF-Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The PDF file is protected by a password</source>
        <translation>Die PDF-Datei ist durch ein Passwort geschützt</translation>
    </message>
    <message>
        <source>The SVG file can not be read</source>
        <translation>Die SVG-Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The page could not be drawn in time</source>
        <translation>Die Seite konnte nicht rechtzeitig gezeichnet werden</translation>
    </message>
    <message>
        <source>The file has no page %1; its pages are 1 to %2</source>
        <translation>Die Datei hat keine Seite %1; ihre Seiten sind 1 bis %2</translation>
    </message>
</context>
<context>
    <name>LayoutStrings</name>
    <message>
        <source>Invalid Tile Print Size Entered</source>
        <translation>Ungültige Kacheldruckgröße eingegeben</translation>
    </message>
    <message>
        <source>You have entered invalid print tile sizes.  The width and height need to be in the range of</source>
        <translation>Sie haben ungültige Kacheldruckgrößen eingegeben.  Breite und Höhe müssen im Bereich von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Ausgezeichnet</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Sehr gut</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Ausreichend</translation>
    </message>
    <message>
        <source>Good from a distance</source>
        <translation>Gut aus der Entfernung</translation>
    </message>
    <message>
        <source>Fair from a distance</source>
        <translation>Ausreichend aus der Entfernung</translation>
    </message>
    <message>
        <source>Poster Too Large</source>
        <translation>Poster zu groß</translation>
    </message>
    <message>
        <source>A poster of that size needs more than 25 sheets across or down on this paper.  Choose a smaller size or a larger paper.</source>
        <translation>Ein Poster dieser Größe braucht auf diesem Papier mehr als 25 Blätter nebeneinander oder untereinander.  Wählen Sie eine kleinere Größe oder ein größeres Papier.</translation>
    </message>
    <message>
        <source>%1 (%2 left out)</source>
        <translation>%1 (%2 ausgelassen)</translation>
    </message>
    <message>
        <source>%1, drawn from vectors</source>
        <translation>%1, aus Vektoren gezeichnet</translation>
    </message>
</context>
<context>
    <name>OutputStrings</name>
    <message>
        <source>Invalid image/tile information.  Can not continue.</source>
        <translation>Ungültige Bild-/Kachelangaben.  Es kann nicht weitergehen.</translation>
    </message>
    <message>
        <source>Can Not Continue</source>
        <translation>Es kann nicht weitergehen</translation>
    </message>
    <message>
        <source>Invalid file chosen.  Can not continue.</source>
        <translation>Ungültige Datei gewählt.  Es kann nicht weitergehen.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Unable to save - invalid image file type</source>
        <translation>Speichern nicht möglich - ungültiger Bilddateityp</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>File extension not selected</source>
        <translation>Keine Dateiendung gewählt</translation>
    </message>
    <message>
        <source>You must select the location where the new poster tile image folder will be created</source>
        <translation>Sie müssen den Ort wählen, an dem der neue Ordner für die Posterkacheln angelegt wird</translation>
    </message>
    <message>
        <source>The base filename must not contain &quot;/&quot; or &quot;\&quot; and must not be &quot;..&quot;</source>
        <translation>Der Grundname darf weder &quot;/&quot; noch &quot;\&quot; enthalten und nicht &quot;..&quot; sein</translation>
    </message>
    <message>
        <source>Error calculating tile coordinates</source>
        <translation>Fehler beim Berechnen der Kachelkoordinaten</translation>
    </message>
    <message>
        <source>Folder Exists</source>
        <translation>Ordner existiert</translation>
    </message>
    <message>
        <source>The folder</source>
        <translation>Der Ordner</translation>
    </message>
    <message>
        <source>already exists</source>
        <translation>existiert bereits</translation>
    </message>
    <message>
        <source>Some files could be overwritten.  Do you want to continue?</source>
        <translation>Manche Dateien könnten überschrieben werden.  Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Can not continue</source>
        <translation>Es kann nicht weitergehen</translation>
    </message>
    <message>
        <source>Could not create the folder</source>
        <translation>Der Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>to save your poster tile images into</source>
        <translation>um Ihre Posterkacheln darin zu speichern</translation>
    </message>
    <message>
        <source>Possible causes of this are that you do not have access rights to the drive that you selected, the disk drive is full, or that you provided an invalid folder name.</source>
        <translation>Mögliche Ursachen: Sie haben keine Zugriffsrechte auf das gewählte Laufwerk, das Laufwerk ist voll, oder der Ordnername ist ungültig.</translation>
    </message>
    <message>
        <source>Saving poster tile images...</source>
        <translation>Posterkacheln werden gespeichert...</translation>
    </message>
    <message>
        <source>Can not continue - Invalid tile print sizes entered</source>
        <translation>Es kann nicht weitergehen - ungültige Kacheldruckgrößen eingegeben</translation>
    </message>
    <message>
        <source>Error applying printer edge clipping compensation</source>
        <translation>Fehler beim Ausgleichen des Randbeschnitts</translation>
    </message>
    <message>
        <source>Not enough space on selected drive.  Can not save images.</source>
        <translation>Nicht genug Platz auf dem gewählten Laufwerk.  Die Bilder können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Out of disk space</source>
        <translation>Kein Speicherplatz mehr</translation>
    </message>
    <message>
        <source>Error saving tile image file to disk.  A possible cause is that the disk is full.  Can not continue.</source>
        <translation>Fehler beim Speichern einer Kacheldatei.  Vielleicht ist der Datenträger voll.  Es kann nicht weitergehen.</translation>
    </message>
    <message>
        <source>Canceled by user</source>
        <translation>Vom Benutzer abgebrochen</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Abgebrochen</translation>
    </message>
</context>
<context>
    <name>PaperDialogStrings</name>
    <message>
        <source>Determine Tile Print Size</source>
        <translation>Kacheldruckgröße festlegen</translation>
    </message>
    <message>
        <source>(1) Select Units</source>
        <translation>(1) Einheit wählen</translation>
    </message>
    <message>
        <source>(2) Select Paper Size</source>
        <translation>(2) Papiergröße wählen</translation>
    </message>
    <message>
        <source>(3) Select Margin Size For Prints</source>
        <translation>(3) Randgröße der Drucke wählen</translation>
    </message>
    <message>
        <source>(4) Results:</source>
        <translation>(4) Ergebnis:</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Choose paper size (or select Custom Size)</source>
        <translation>Papiergröße wählen (oder eigene Größe)</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Full paper width (including margins)</source>
        <translation>Ganze Papierbreite (mit Rändern)</translation>
    </message>
    <message>
        <source>Full paper height (including margins)</source>
        <translation>Ganze Papierhöhe (mit Rändern)</translation>
    </message>
    <message>
        <source>Top Margin:</source>
        <translation>Oberer Rand:</translation>
    </message>
    <message>
        <source>Right Margin:</source>
        <translation>Rechter Rand:</translation>
    </message>
    <message>
        <source>Bottom Margin:</source>
        <translation>Unterer Rand:</translation>
    </message>
    <message>
        <source>Left Margin:</source>
        <translation>Linker Rand:</translation>
    </message>
    <message>
        <source>Select or type top margin size</source>
        <translation>Oberen Rand wählen oder eingeben</translation>
    </message>
    <message>
        <source>Select or type right margin size</source>
        <translation>Rechten Rand wählen oder eingeben</translation>
    </message>
    <message>
        <source>Select or type bottom margin size</source>
        <translation>Unteren Rand wählen oder eingeben</translation>
    </message>
    <message>
        <source>Select or type left margin size</source>
        <translation>Linken Rand wählen oder eingeben</translation>
    </message>
    <message>
        <source>(Margin sizes in INCHES)</source>
        <translation>(Ränder in ZOLL)</translation>
    </message>
    <message>
        <source>(Margin sizes in MILLIMETERS)</source>
        <translation>(Ränder in MILLIMETERN)</translation>
    </message>
    <message>
        <source>Left=Right, Top=Bottom</source>
        <translation>Links=Rechts, Oben=Unten</translation>
    </message>
    <message>
        <source>Force the left/right and top/bottom margins to be equal</source>
        <translation>Linken und rechten sowie oberen und unteren Rand gleich halten</translation>
    </message>
    <message>
        <source>Set to borderless (no margins)</source>
        <translation>Randlos einstellen (keine Ränder)</translation>
    </message>
    <message>
        <source>Set all border sizes to zero (use this for borderless prints)</source>
        <translation>Alle Ränder auf null setzen (für randlose Drucke)</translation>
    </message>
    <message>
        <source>Reset to default margins</source>
        <translation>Vorgabe-Ränder wiederherstellen</translation>
    </message>
    <message>
        <source>Reset margin sizes to default values for selected paper size</source>
        <translation>Ränder auf die Vorgabewerte der gewählten Papiergröße setzen</translation>
    </message>
    <message>
        <source>Borderless</source>
        <translation>Randlos</translation>
    </message>
    <message>
        <source>Size BEFORE margins trimmed:</source>
        <translation>Größe VOR dem Beschnitt:</translation>
    </message>
    <message>
        <source>This is the full paper size, including margins</source>
        <translation>Dies ist die ganze Papiergröße mit Rändern</translation>
    </message>
    <message>
        <source>Size AFTER margins trimmed:</source>
        <translation>Größe NACH dem Beschnitt:</translation>
    </message>
    <message>
        <source>This is the poster tile size (the print size AFTER margins trimmed off)</source>
        <translation>Dies ist die Größe der Posterkachel (die Druckgröße NACH Abzug der Ränder)</translation>
    </message>
    <message>
        <source>Invalid paper size entered</source>
        <translation>Ungültige Papiergröße eingegeben</translation>
    </message>
    <message>
        <source>Invalid margin size selected</source>
        <translation>Ungültige Randgröße gewählt</translation>
    </message>
    <message>
        <source> Inches</source>
        <translation> Zoll</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Accept current print/margin values</source>
        <translation>Aktuelle Druck- und Randwerte übernehmen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Accept current print/margin values and return to main window</source>
        <translation>Aktuelle Druck- und Randwerte übernehmen und zum Hauptfenster zurückkehren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Do not accept current print/margin values</source>
        <translation>Aktuelle Druck- und Randwerte nicht übernehmen</translation>
    </message>
    <message>
        <source>Invalid Values Entered</source>
        <translation>Ungültige Werte eingegeben</translation>
    </message>
</context>
<context>
    <name>PaperStrings</name>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Invalid Paper Width or Height</source>
        <translation>Ungültige Papierbreite oder -höhe</translation>
    </message>
    <message>
        <source>Invalid paper size - size too small.  Minimum size is</source>
        <translation>Ungültige Papiergröße - zu klein.  Die kleinste Größe ist</translation>
    </message>
    <message>
        <source>You entered invalid values for print margins.</source>
        <translation>Sie haben ungültige Druckränder eingegeben.</translation>
    </message>
    <message>
        <source>Invalid margin value - can&apos;t be less than zero</source>
        <translation>Ungültiger Rand - kann nicht kleiner als null sein</translation>
    </message>
    <message>
        <source>Invalid Left / Right Margins.  Together they are larger than the paper width.</source>
        <translation>Ungültiger linker / rechter Rand.  Zusammen sind sie größer als die Papierbreite.</translation>
    </message>
    <message>
        <source>Invalid Top / Bottom Margins.  Together they are larger than the paper height.</source>
        <translation>Ungültiger oberer / unterer Rand.  Zusammen sind sie größer als die Papierhöhe.</translation>
    </message>
    <message>
        <source>Paper size too small</source>
        <translation>Papiergröße zu klein</translation>
    </message>
    <message>
        <source>Paper size too large</source>
        <translation>Papiergröße zu groß</translation>
    </message>
    <message>
        <source>Paper/Margins too small</source>
        <translation>Papier/Ränder zu klein</translation>
    </message>
    <message>
        <source>Paper/Margins too large</source>
        <translation>Papier/Ränder zu groß</translation>
    </message>
</context>
<context>
    <name>PosterStrings</name>
    <message>
        <source>PDF poster (one file, every sheet)</source>
        <translation>PDF-Poster (eine Datei, alle Blätter)</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Glue strip</source>
        <translation>Klebestreifen</translation>
    </message>
    <message>
        <source>Strip width:</source>
        <translation>Streifenbreite:</translation>
    </message>
    <message>
        <source>Cut marks</source>
        <translation>Schnittmarken</translation>
    </message>
    <message>
        <source>Sheet labels</source>
        <translation>Blattbeschriftung</translation>
    </message>
    <message>
        <source>Assembly page</source>
        <translation>Montageseite</translation>
    </message>
    <message>
        <source>PDF Assembly Aids</source>
        <translation>PDF-Montagehilfen</translation>
    </message>
    <message>
        <source>Poster assembly</source>
        <translation>Postermontage</translation>
    </message>
    <message>
        <source>Printed size:</source>
        <translation>Druckgröße:</translation>
    </message>
    <message>
        <source>Sheets:</source>
        <translation>Blätter:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papier:</translation>
    </message>
    <message>
        <source>Margins (top, right, bottom, left):</source>
        <translation>Ränder (oben, rechts, unten, links):</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Auflösung:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualität:</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Sending the poster&apos;s sheets to the printer...</source>
        <translation>Die Blätter des Posters werden an den Drucker gesendet...</translation>
    </message>
    <message>
        <source>The poster could not be printed</source>
        <translation>Das Poster konnte nicht gedruckt werden</translation>
    </message>
    <message>
        <source>Printer Margins</source>
        <translation>Druckränder</translation>
    </message>
    <message>
        <source>No default printer is set up</source>
        <translation>Es ist kein Standarddrucker eingerichtet</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not exist</source>
        <translation>Den Drucker &quot;%1&quot; gibt es nicht</translation>
    </message>
    <message>
        <source>Sent to printer %1 as job %2</source>
        <translation>An Drucker %1 gesendet als Auftrag %2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped</source>
        <translation>Der Drucker &quot;%1&quot; ist angehalten</translation>
    </message>
    <message>
        <source>sheet %1 of %2</source>
        <translation>Blatt %1 von %2</translation>
    </message>
    <message>
        <source>%1 (%2 across, %3 down)</source>
        <translation>%1 (%2 breit, %3 hoch)</translation>
    </message>
    <message>
        <source>The glue strip does not fit in the %1 margin: it can be at most %2 %3 wide.</source>
        <translation>Der Klebestreifen passt nicht in den %1 Rand: er darf höchstens %2 %3 breit sein.</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechten</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>unteren</translation>
    </message>
    <message>
        <source>The chosen printer cannot print as close to the paper&apos;s edge as the margins ask: %1. Those parts of the sheets will not be printed.  Print anyway?</source>
        <translation>Der gewählte Drucker kann nicht so nah an den Papierrand drucken, wie die Ränder verlangen: %1. Diese Teile der Blätter werden nicht gedruckt.  Trotzdem drucken?</translation>
    </message>
    <message>
        <source>%1 edge by %2 %3</source>
        <translation>%1 Rand um %2 %3</translation>
    </message>
    <message>
        <source>The print service (CUPS) does not answer: is it running?</source>
        <translation>Der Druckdienst (CUPS) antwortet nicht: Läuft er?</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not accept jobs</source>
        <translation>Der Drucker &quot;%1&quot; nimmt keine Aufträge an</translation>
    </message>
    <message>
        <source>The printer cannot print as close to the paper&apos;s edge as the margins ask: %1. Those parts of the sheets will not be printed.</source>
        <translation>Der Drucker kann nicht so nah an den Papierrand drucken, wie die Ränder verlangen: %1. Diese Teile der Blätter werden nicht gedruckt.</translation>
    </message>
    <message>
        <source>top</source>
        <translation>oberen</translation>
    </message>
    <message>
        <source>left</source>
        <translation>linken</translation>
    </message>
    <message>
        <source>1. Print at actual size (100 %), one-sided.</source>
        <translation>1. In tatsächlicher Größe (100 %) und einseitig drucken.</translation>
    </message>
    <message>
        <source>3. Glue each sheet over its neighbour&apos;s strip, up to the dashed line,</source>
        <translation>3. Jedes Blatt bis zur gestrichelten Linie über den Streifen seines Nachbarn kleben,</translation>
    </message>
    <message>
        <source>    in the order of the labels: A1, A2, ..., then B1, B2, ...</source>
        <translation>    in der Reihenfolge der Bezeichnungen: A1, A2, ..., dann B1, B2, ...</translation>
    </message>
    <message>
        <source>This line must measure %1</source>
        <translation>Diese Linie muss %1 messen</translation>
    </message>
    <message>
        <source>2. Check the line on a sheet against a ruler, then trim each sheet along its cut marks.</source>
        <translation>2. Die Linie auf einem Blatt mit einem Lineal prüfen, dann jedes Blatt entlang seiner Schnittmarken zuschneiden.</translation>
    </message>
    <message>
        <source>No glue strips: they need a right and a bottom margin.</source>
        <translation>Keine Klebestreifen: Sie brauchen einen rechten und einen unteren Rand.</translation>
    </message>
    <message>
        <source>No cut marks: they need a margin wider than %1 %2.</source>
        <translation>Keine Schnittmarken: Sie brauchen einen Rand, der breiter ist als %1 %2.</translation>
    </message>
    <message>
        <source>No sheet labels: they need a top or bottom margin of %1 %2.</source>
        <translation>Keine Blattbezeichnungen: Sie brauchen einen oberen oder unteren Rand von %1 %2.</translation>
    </message>
    <message>
        <source>Assembly aids</source>
        <translation>Montagehilfen</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Blätter</translation>
    </message>
    <message>
        <source>Each sheet of the poster is one page. To print a sheet again, print only its page.</source>
        <translation>Jedes Blatt des Posters ist eine Seite. Um ein Blatt noch einmal zu drucken, drucken Sie nur seine Seite.</translation>
    </message>
    <message>
        <source>Page 1: how to assemble the poster</source>
        <translation>Seite 1: wie das Poster zusammengesetzt wird</translation>
    </message>
    <message>
        <source>%1 to %2: pages %3 to %4</source>
        <translation>%1 bis %2: Seiten %3 bis %4</translation>
    </message>
    <message>
        <source>%1: page %2</source>
        <translation>%1: Seite %2</translation>
    </message>
    <message>
        <source>Each sheet of the poster must be printed on a page of its own, on one side of the paper.  Choose 1 page per sheet and no two-sided (duplex) printing in the print dialog.</source>
        <translation>Jedes Blatt des Posters muss auf eine eigene Seite gedruckt werden, auf eine Seite des Papiers.  Wählen Sie im Druckdialog 1 Seite pro Blatt und keinen beidseitigen (Duplex-)Druck.</translation>
    </message>
    <message>
        <source>Asking the printer whether it can print...</source>
        <translation>Der Drucker wird gefragt, ob er drucken kann...</translation>
    </message>
    <message>
        <source>Sending the poster to the printer...</source>
        <translation>Das Poster wird an den Drucker gesendet...</translation>
    </message>
    <message>
        <source>Printing was cancelled: nothing was sent to the printer</source>
        <translation>Das Drucken wurde abgebrochen: nichts wurde an den Drucker gesendet</translation>
    </message>
    <message>
        <source>Poster Exists</source>
        <translation>Poster vorhanden</translation>
    </message>
    <message>
        <source>The poster %1 already exists.  Replace it?</source>
        <translation>Das Poster %1 gibt es schon.  Ersetzen?</translation>
    </message>
    <message>
        <source>, %1 of them blank and left out</source>
        <translation>, davon %1 leer und ausgelassen</translation>
    </message>
</context>
<context>
    <name>SaveWindowStrings</name>
    <message>
        <source>Save Poster Image Files</source>
        <translation>Posterbilder speichern</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>Image file format that your poster tile images will be saved as</source>
        <translation>Dateiformat, in dem Ihre Posterkacheln gespeichert werden</translation>
    </message>
    <message>
        <source>Bitmap (.bmp)</source>
        <translation>Bitmap (.bmp)</translation>
    </message>
    <message>
        <source>Tiff (.tif)</source>
        <translation>TIFF (.tif)</translation>
    </message>
    <message>
        <source>Jpeg (.jpg)</source>
        <translation>JPEG (.jpg)</translation>
    </message>
    <message>
        <source>close</source>
        <translation>schließen</translation>
    </message>
    <message>
        <source>Close this dialog without generating or saving your poster Tile images</source>
        <translation>Diesen Dialog schließen, ohne Posterkacheln zu erzeugen oder zu speichern</translation>
    </message>
    <message>
        <source>Save Images Now</source>
        <translation>Bilder jetzt speichern</translation>
    </message>
    <message>
        <source>Click here to generate and save your poster Tile images now</source>
        <translation>Hier klicken, um Ihre Posterkacheln jetzt zu erzeugen und zu speichern</translation>
    </message>
    <message>
        <source>File Save Info</source>
        <translation>Angaben zum Speichern</translation>
    </message>
    <message>
        <source>Base name that will be used to name your poster tile image files</source>
        <translation>Grundname, nach dem Ihre Kacheldateien benannt werden</translation>
    </message>
    <message>
        <source>Name of the new folder to be created to hold your poster tile images</source>
        <translation>Name des neuen Ordners für Ihre Posterkacheln</translation>
    </message>
    <message>
        <source>Select folder where you want the new subfolder to be created which will contain your poster tile images</source>
        <translation>Ordner wählen, in dem der neue Unterordner mit Ihren Posterkacheln angelegt wird</translation>
    </message>
    <message>
        <source>Select current drive</source>
        <translation>Laufwerk wählen</translation>
    </message>
    <message>
        <source>Files currently set to be saved in</source>
        <translation>Dateien werden zurzeit gespeichert in</translation>
    </message>
    <message>
        <source>Step (2) Click to Save Files Now</source>
        <translation>Schritt (2) Klicken, um die Dateien jetzt zu speichern</translation>
    </message>
    <message>
        <source>Step (1) Select File Preferences for Poster Images</source>
        <translation>Schritt (1) Dateieinstellungen für die Posterbilder wählen</translation>
    </message>
    <message>
        <source>New Folder Location</source>
        <translation>Ort des neuen Ordners</translation>
    </message>
    <message>
        <source>The drive you chose could not be accessed.</source>
        <translation>Auf das gewählte Laufwerk konnte nicht zugegriffen werden.</translation>
    </message>
    <message>
        <source>Invalid Drive</source>
        <translation>Ungültiges Laufwerk</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Images Saved Successfully</source>
        <translation>Bilder erfolgreich gespeichert</translation>
    </message>
    <message>
        <source>Your poster images were saved successfully and are now ready for you to print.  They are located in the following folder:</source>
        <translation>Ihre Posterbilder wurden erfolgreich gespeichert und können jetzt gedruckt werden.  Sie liegen in diesem Ordner:</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>No program was found to open the folder.  The tiles are in:
</source>
        <translation>Es wurde kein Programm gefunden, das den Ordner öffnet.  Die Kacheln liegen in:
</translation>
    </message>
    <message>
        <source>Base Filename:</source>
        <translation>Grundname der Dateien:</translation>
    </message>
    <message>
        <source>New Folder Name:</source>
        <translation>Name des neuen Ordners:</translation>
    </message>
    <message>
        <source>default</source>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <source>Save PDF Poster Now</source>
        <translation>PDF-Poster jetzt speichern</translation>
    </message>
    <message>
        <source>PDF Poster Saved Successfully</source>
        <translation>PDF-Poster erfolgreich gespeichert</translation>
    </message>
    <message>
        <source>Your PDF poster was saved successfully and is now ready for you to print at actual size.  It is located in the following folder:</source>
        <translation>Ihr PDF-Poster wurde erfolgreich gespeichert und kann jetzt in Originalgröße gedruckt werden.  Es liegt in folgendem Ordner:</translation>
    </message>
</context>
</TS>
