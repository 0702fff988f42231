<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CKdCommandScale</name>
    <message>
        <source>Value must be positive and nonzero.</source>
        <translation>Der Wert muss positiv und ungleich null sein.</translation>
    </message>
</context>
<context>
    <name>CKdDgnReferenceInfo</name>
    <message>
        <source>Underlay Definition Corner Points:</source>
        <translation>Eckpunkte der Unterlagendefinition:</translation>
    </message>
</context>
<context>
    <name>CKdPolylinePE</name>
    <message>
        <source>%1 sq. in. (%2 sq. ft.)</source>
        <translation>%1 Quadratzoll (%2 Quadratfuß)</translation>
    </message>
</context>
<context>
    <name>entity_types</name>
    <message>
        <source>2D PolyLine</source>
        <translation>2D-Polylinie</translation>
    </message>
    <message>
        <source>2LineAngularDimension</source>
        <translation>Winkelbemaßung (2 Linien)</translation>
    </message>
    <message>
        <source>3D PolyLine</source>
        <translation>3D-Polylinie</translation>
    </message>
    <message>
        <source>3D Solid</source>
        <translation>3D-Volumenkörper</translation>
    </message>
    <message>
        <source>3PointAngularDimension</source>
        <translation>Winkelbemaßung (3 Punkte)</translation>
    </message>
    <message>
        <source>AlignedDimension</source>
        <translation>Ausgerichtete Bemaßung</translation>
    </message>
    <message>
        <source>Arc</source>
        <translation>Bogen</translation>
    </message>
    <message>
        <source>ArcAlignedText</source>
        <translation>Bogentext</translation>
    </message>
    <message>
        <source>ArcLengthDimension</source>
        <translation>Bogenlängenbemaßung</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>BlockAttribute</source>
        <translation>Blockattribut</translation>
    </message>
    <message>
        <source>BlockAttributeDef</source>
        <translation>Attributdefinition</translation>
    </message>
    <message>
        <source>BlockN</source>
        <translation>Mehrfachblock</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Körper</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Revisionswolke</translation>
    </message>
    <message>
        <source>DGN Underlay</source>
        <translation>DGN-Unterlage</translation>
    </message>
    <message>
        <source>DiametricDimension</source>
        <translation>Durchmesserbemaßung</translation>
    </message>
    <message>
        <source>Dimension</source>
        <translation>Bemaßung</translation>
    </message>
    <message>
        <source>DimensionStyle</source>
        <translation>Bemaßungsstil</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Entity</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>3D-Fläche</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Hatch</source>
        <translation>Schraffur</translation>
    </message>
    <message>
        <source>Helix</source>
        <translation>Helix</translation>
    </message>
    <message>
        <source>ILine</source>
        <translation>Konstruktionslinie</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Layer</translation>
    </message>
    <message>
        <source>Leader</source>
        <translation>Führungslinie</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>LineStyle</source>
        <translation>Linientyp</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Absatztext</translation>
    </message>
    <message>
        <source>OLE</source>
        <translation>OLE-Objekt</translation>
    </message>
    <message>
        <source>OrdinateDimension</source>
        <translation>Koordinatenbemaßung</translation>
    </message>
    <message>
        <source>PDF Underlay</source>
        <translation>PDF-Unterlage</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>PolyFaceMesh</source>
        <translation>Vielflächennetz</translation>
    </message>
    <message>
        <source>PolyLine</source>
        <translation>Polylinie</translation>
    </message>
    <message>
        <source>PolygonMesh</source>
        <translation>Polygonnetz</translation>
    </message>
    <message>
        <source>ProxyEntity</source>
        <translation>Proxy-Objekt</translation>
    </message>
    <message>
        <source>RadialDimension</source>
        <translation>Radiusbemaßung</translation>
    </message>
    <message>
        <source>RadialDimensionLarge</source>
        <translation>Verkürzte Radiusbemaßung</translation>
    </message>
    <message>
        <source>Ray</source>
        <translation>Strahl</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Blockreferenz</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>RichLine</source>
        <translation>Multilinie</translation>
    </message>
    <message>
        <source>RotatedDimension</source>
        <translation>Gedrehte Bemaßung</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Simplenote</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Solid (2D-Füllung)</translation>
    </message>
    <message>
        <source>Spline</source>
        <translation>Spline</translation>
    </message>
    <message>
        <source>SubDMesh</source>
        <translation>Netz (Unterteilung)</translation>
    </message>
    <message>
        <source>Surface (Extrusion)</source>
        <translation>Fläche (Extrusion)</translation>
    </message>
    <message>
        <source>Surface (Loft)</source>
        <translation>Fläche (Erhebung)</translation>
    </message>
    <message>
        <source>Surface (Planar)</source>
        <translation>Fläche (eben)</translation>
    </message>
    <message>
        <source>Surface (Revolve)</source>
        <translation>Fläche (Rotation)</translation>
    </message>
    <message>
        <source>Surface (Sweep)</source>
        <translation>Fläche (Sweep)</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>TableStyle</source>
        <translation>Tabellenstil</translation>
    </message>
    <message>
        <source>TextStyle</source>
        <translation>Textstil</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Toleranz</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Vertex</source>
        <translation>Scheitelpunkt</translation>
    </message>
    <message>
        <source>Viewport</source>
        <translation>Ansichtsfenster</translation>
    </message>
</context>
<context>
    <name>errors</name>
    <message>
        <source>Decimal separator must be one character</source>
        <translation>Das Dezimaltrennzeichen muss aus einem Zeichen bestehen</translation>
    </message>
    <message>
        <source>Degenerate geometry</source>
        <translation>Entartete Geometrie</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Hatch boundary relation removed.</source>
        <translation>Die Verknüpfung der Schraffurbegrenzung wurde entfernt.</translation>
    </message>
    <message>
        <source>Invalid Name</source>
        <translation>Ungültiger Name</translation>
    </message>
    <message>
        <source>Invalid argument scaleFactor in ScaleFactor property?</source>
        <translation>Ungültiges Argument scaleFactor in der Eigenschaft ScaleFactor?</translation>
    </message>
    <message>
        <source>Invalid characters in name. The following characters are not valid in light names: </source>
        <translation>Ungültige Zeichen im Namen. Folgende Zeichen sind in Lichtnamen nicht zulässig: </translation>
    </message>
    <message>
        <source>Invalid input</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <source>Invalid value for property Columns</source>
        <translation>Ungültiger Wert für die Eigenschaft Spalten</translation>
    </message>
    <message>
        <source>Invalid value for property Height</source>
        <translation>Ungültiger Wert für die Eigenschaft Höhe</translation>
    </message>
    <message>
        <source>Invalid value for property Rows</source>
        <translation>Ungültiger Wert für die Eigenschaft Zeilen</translation>
    </message>
    <message>
        <source>Invalid value for property Width</source>
        <translation>Ungültiger Wert für die Eigenschaft Breite</translation>
    </message>
    <message>
        <source>Invalid value for property Width factor</source>
        <translation>Ungültiger Wert für die Eigenschaft Breitenfaktor</translation>
    </message>
    <message>
        <source>Value must be non-negative</source>
        <translation>Der Wert darf nicht negativ sein</translation>
    </message>
    <message>
        <source>Value must be non-zero</source>
        <translation>Der Wert darf nicht null sein</translation>
    </message>
    <message>
        <source>Value must be positive</source>
        <translation>Der Wert muss positiv sein</translation>
    </message>
    <message>
        <source>Value must be positive and non-zero.</source>
        <translation>Der Wert muss positiv und ungleich null sein.</translation>
    </message>
</context>
<context>
    <name>info_items</name>
    <message>
        <source>1st extension  defining point</source>
        <translation>1. Hilfslinie  Definitionspunkt</translation>
    </message>
    <message>
        <source>1st extension defined line end point</source>
        <translation>1. Hilfslinie definierter Linienendpunkt</translation>
    </message>
    <message>
        <source>1st extension defined line start point</source>
        <translation>1. Hilfslinie definierter Linienstartpunkt</translation>
    </message>
    <message>
        <source>1st extension defining point</source>
        <translation>1. Hilfslinie Definitionspunkt</translation>
    </message>
    <message>
        <source>2nd extension  defining point</source>
        <translation>2. Hilfslinie  Definitionspunkt</translation>
    </message>
    <message>
        <source>2st extension defined line end point</source>
        <translation>2. Hilfslinie definierter Linienendpunkt</translation>
    </message>
    <message>
        <source>2st extension defined line start point</source>
        <translation>2. Hilfslinie definierter Linienstartpunkt</translation>
    </message>
    <message>
        <source>2st extension defining point</source>
        <translation>2. Hilfslinie Definitionspunkt</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Angle in XY Plane</source>
        <translation>Winkel in XY-Ebene</translation>
    </message>
    <message>
        <source>Angle of X Axis</source>
        <translation>Winkel der X-Achse</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Attachment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Achse</translation>
    </message>
    <message>
        <source>Base point</source>
        <translation>Basispunkt</translation>
    </message>
    <message>
        <source>Base radius</source>
        <translation>Basisradius</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Bounding Box</source>
        <translation>Begrenzungsrahmen</translation>
    </message>
    <message>
        <source>Bounding Box %1</source>
        <translation>Begrenzungsrahmen %1</translation>
    </message>
    <message>
        <source>Bounding Box lower corner</source>
        <translation>Begrenzungsrahmen untere Ecke</translation>
    </message>
    <message>
        <source>Bounding Box upper corner</source>
        <translation>Begrenzungsrahmen obere Ecke</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentrum</translation>
    </message>
    <message>
        <source>Center  point</source>
        <translation>Mittel-Punkt</translation>
    </message>
    <message>
        <source>Center point</source>
        <translation>Mittelpunkt</translation>
    </message>
    <message>
        <source>Circumference</source>
        <translation>Umfang des Kreises</translation>
    </message>
    <message>
        <source>Cloud Radius</source>
        <translation>Wolkenradius</translation>
    </message>
    <message>
        <source>Cloud Shape</source>
        <translation>Wolkenform</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Control Tolerance</source>
        <translation>Kontrolltoleranz</translation>
    </message>
    <message>
        <source>Control point</source>
        <translation>Kontrollpunkt</translation>
    </message>
    <message>
        <source>Corner Point %1</source>
        <translation>Eckpunkt %1</translation>
    </message>
    <message>
        <source>Custom Properties</source>
        <translation>Benutzerdefinierte Eigenschaften</translation>
    </message>
    <message>
        <source>DIMGAP</source>
        <translation>DIMGAP</translation>
    </message>
    <message>
        <source>DIMTAD</source>
        <translation>DIMTAD</translation>
    </message>
    <message>
        <source>DIMTMOVE</source>
        <translation>DIMTMOVE</translation>
    </message>
    <message>
        <source>DIMUPT</source>
        <translation>DIMUPT</translation>
    </message>
    <message>
        <source>Delta X</source>
        <translation>Delta X</translation>
    </message>
    <message>
        <source>Delta Y</source>
        <translation>Delta Y</translation>
    </message>
    <message>
        <source>Delta Z</source>
        <translation>Delta Z</translation>
    </message>
    <message>
        <source>Dimension Line defining point</source>
        <translation>Maßlinie Definitionspunkt</translation>
    </message>
    <message>
        <source>DimensionStyle</source>
        <translation>Bemaßungsstil</translation>
    </message>
    <message>
        <source>End Angle</source>
        <translation>End-Winkel</translation>
    </message>
    <message>
        <source>End angle</source>
        <translation>Endwinkel</translation>
    </message>
    <message>
        <source>End point</source>
        <translation>Endpunkt</translation>
    </message>
    <message>
        <source>Extrusion direction relative to UCS</source>
        <translation>Extrusionsrichtung relativ zum BKS</translation>
    </message>
    <message>
        <source>Face vertices</source>
        <translation>Flächenscheitelpunkte</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Verblassen</translation>
    </message>
    <message>
        <source>Fit Tolerance</source>
        <translation>Anpassungstoleranz</translation>
    </message>
    <message>
        <source>Flow direction</source>
        <translation>Flussrichtung</translation>
    </message>
    <message>
        <source>Font file</source>
        <translation>Schriftdatei</translation>
    </message>
    <message>
        <source>Handle</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Hatch angle</source>
        <translation>Schraffurwinkel</translation>
    </message>
    <message>
        <source>Hatch pattern</source>
        <translation>Schraffurmuster</translation>
    </message>
    <message>
        <source>Hatch scale</source>
        <translation>Schraffurmaßstab</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Hook Line</source>
        <translation>Hakenlinie</translation>
    </message>
    <message>
        <source>Horizontal Dir</source>
        <translation>Horizontalrichtung</translation>
    </message>
    <message>
        <source>Horizontal direction</source>
        <translation>Horizontale Richtung</translation>
    </message>
    <message>
        <source>Justification</source>
        <translation>Justierung</translation>
    </message>
    <message>
        <source>Knot tolerance</source>
        <translation>Knotentoleranz</translation>
    </message>
    <message>
        <source>Knot value</source>
        <translation>Knotenwert</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Layer</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Length in CCS</source>
        <translation>Länge im BKS</translation>
    </message>
    <message>
        <source>Line Spacing</source>
        <translation>Zeilenabstand</translation>
    </message>
    <message>
        <source>Linetype</source>
        <translation>Linientyp</translation>
    </message>
    <message>
        <source>Linetype scale</source>
        <translation>Linientypfaktor</translation>
    </message>
    <message>
        <source>Lineweight</source>
        <translation>Linienstärke</translation>
    </message>
    <message>
        <source>Location %1</source>
        <translation>Position %1</translation>
    </message>
    <message>
        <source>Lower Bound</source>
        <translation>Untere Grenze</translation>
    </message>
    <message>
        <source>Major Axis</source>
        <translation>Hauptachse</translation>
    </message>
    <message>
        <source>Minor Axis</source>
        <translation>Nebenachse</translation>
    </message>
    <message>
        <source>Monochrome</source>
        <translation>Monochrom</translation>
    </message>
    <message>
        <source>Multiline style</source>
        <translation>Multilinienstil</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Number of Fit points</source>
        <translation>Anzahl Anpassungspunkte</translation>
    </message>
    <message>
        <source>Number of columns</source>
        <translation>Anzahl Spalten</translation>
    </message>
    <message>
        <source>Number of control points</source>
        <translation>Anzahl Kontrollpunkte</translation>
    </message>
    <message>
        <source>Number of faces</source>
        <translation>Anzahl Flächen</translation>
    </message>
    <message>
        <source>Number of konts</source>
        <translation>Anzahl Knoten</translation>
    </message>
    <message>
        <source>Number of rows</source>
        <translation>Anzahl Zeilen</translation>
    </message>
    <message>
        <source>Number of vertices</source>
        <translation>Anzahl Scheitelpunkte</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Ordnung</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>Ursprung</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>Umfang</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>Punkt %1</translation>
    </message>
    <message>
        <source>PolyLine Flags</source>
        <translation>Polylinien-Flags</translation>
    </message>
    <message>
        <source>Polyface mesh</source>
        <translation>Vielflächennetz</translation>
    </message>
    <message>
        <source>Polyface vertex</source>
        <translation>Vielflächennetz-Scheitelpunkt</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Print Quality</source>
        <translation>Plotqualität</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Radius Ratio</source>
        <translation>Radienverhältnis</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Drehwinkel</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Drehung:</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Maßstab</translation>
    </message>
    <message>
        <source>Source Application</source>
        <translation>Quellanwendung</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Start Angle</source>
        <translation>Start-Winkel</translation>
    </message>
    <message>
        <source>Start angle</source>
        <translation>Startwinkel</translation>
    </message>
    <message>
        <source>Start point</source>
        <translation>Startpunkt</translation>
    </message>
    <message>
        <source>SubDmesh</source>
        <translation>Unterteilungsnetz</translation>
    </message>
    <message>
        <source>TableStyle</source>
        <translation>Tabellenstil</translation>
    </message>
    <message>
        <source>Text Height</source>
        <translation>Texthöhe</translation>
    </message>
    <message>
        <source>TextStyle</source>
        <translation>Textstil</translation>
    </message>
    <message>
        <source>Top radius</source>
        <translation>Oberer Radius</translation>
    </message>
    <message>
        <source>Total angle</source>
        <translation>Gesamtwinkel</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Windungen</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Typeface</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>U-isolines </source>
        <translation>U-Isolinien </translation>
    </message>
    <message>
        <source>UnRelated</source>
        <translation>Nicht verknüpft</translation>
    </message>
    <message>
        <source>Underlay Clipping</source>
        <translation>Unterlagenzuschnitt</translation>
    </message>
    <message>
        <source>Underlay Name</source>
        <translation>Unterlagenname</translation>
    </message>
    <message>
        <source>Underlay Visibility</source>
        <translation>Unterlagensichtbarkeit</translation>
    </message>
    <message>
        <source>Unit direction</source>
        <translation>Einheitsrichtung</translation>
    </message>
    <message>
        <source>Upper Bound</source>
        <translation>Obere Grenze</translation>
    </message>
    <message>
        <source>V-isolines </source>
        <translation>V-Isolinien </translation>
    </message>
    <message>
        <source>Vertex</source>
        <translation>Scheitelpunkt</translation>
    </message>
    <message>
        <source>Vertex %1</source>
        <translation>Scheitelpunkt %1</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Sichtbarkeit</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>X scale</source>
        <translation>X-Skalierung</translation>
    </message>
    <message>
        <source>Y scale</source>
        <translation>Y-Skalierung</translation>
    </message>
    <message>
        <source>Z scale</source>
        <translation>Z-Skalierung</translation>
    </message>
    <message>
        <source>arc center defining point</source>
        <translation>Bogenmittelpunkt Definitionspunkt</translation>
    </message>
    <message>
        <source>at point</source>
        <translation>an Punkt</translation>
    </message>
    <message>
        <source>base point</source>
        <translation>Basis-Punkt</translation>
    </message>
    <message>
        <source>center defining point</source>
        <translation>Mittelpunkt Definitionspunkt</translation>
    </message>
    <message>
        <source>chord defining point</source>
        <translation>Sehne Definitionspunkt</translation>
    </message>
    <message>
        <source>default text</source>
        <translation>Vorgabetext</translation>
    </message>
    <message>
        <source>default text position</source>
        <translation>Vorgabe-Textposition</translation>
    </message>
    <message>
        <source>defining point</source>
        <translation>Definitionspunkt</translation>
    </message>
    <message>
        <source>dimension arc defined point</source>
        <translation>Maßbogen definierter Punkt</translation>
    </message>
    <message>
        <source>dimension arc defining point</source>
        <translation>Maßbogen Definitionspunkt</translation>
    </message>
    <message>
        <source>ending width</source>
        <translation>Endbreite</translation>
    </message>
    <message>
        <source>far defining point</source>
        <translation>Ferner Definitionspunkt</translation>
    </message>
    <message>
        <source>feature defining point</source>
        <translation>Element Definitionspunkt</translation>
    </message>
    <message>
        <source>first point</source>
        <translation>erster Punkt</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>Flags</translation>
    </message>
    <message>
        <source>forth point</source>
        <translation>vierter Punkt</translation>
    </message>
    <message>
        <source>from point</source>
        <translation>von Punkt</translation>
    </message>
    <message>
        <source>height</source>
        <translation>Zeichenhöhe</translation>
    </message>
    <message>
        <source>jog defining point</source>
        <translation>Verkürzung Definitionspunkt</translation>
    </message>
    <message>
        <source>leader defining point</source>
        <translation>Führungslinie Definitionspunkt</translation>
    </message>
    <message>
        <source>obliquing angle</source>
        <translation>Neigungswinkel</translation>
    </message>
    <message>
        <source>origin point</source>
        <translation>Ursprungspunkt</translation>
    </message>
    <message>
        <source>prompt</source>
        <translation>Aufforderung</translation>
    </message>
    <message>
        <source>related</source>
        <translation>verknüpft</translation>
    </message>
    <message>
        <source>rotation angle</source>
        <translation>Dreh-Winkel</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>Skalierung</translation>
    </message>
    <message>
        <source>second point</source>
        <translation>zweiter Punkt</translation>
    </message>
    <message>
        <source>starting width</source>
        <translation>Startbreite</translation>
    </message>
    <message>
        <source>tag</source>
        <translation>Bezeichner</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>third point</source>
        <translation>dritter Punkt</translation>
    </message>
    <message>
        <source>to point</source>
        <translation>nach Punkt</translation>
    </message>
    <message>
        <source>type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>unit direction</source>
        <translation>Einheits-Richtung</translation>
    </message>
    <message>
        <source>width scale</source>
        <translation>Breitenfaktor</translation>
    </message>
</context>
<context>
    <name>info_values</name>
    <message>
        <source> Mesh</source>
        <translation>-Netz</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>ByBlock</source>
        <translation>VonBlock</translation>
    </message>
    <message>
        <source>ByLayer</source>
        <translation>VonLayer</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>Geschlossen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <source>Embedded</source>
        <translation>Eingebettet</translation>
    </message>
    <message>
        <source>High Graphics</source>
        <translation>Hohe Grafikqualität</translation>
    </message>
    <message>
        <source>Invisible</source>
        <translation>Unsichtbar</translation>
    </message>
    <message>
        <source>Left to Right</source>
        <translation>Von links nach rechts</translation>
    </message>
    <message>
        <source>Lower Bound</source>
        <translation>Untere Grenze</translation>
    </message>
    <message>
        <source>M-Closed </source>
        <translation>M-geschlossen </translation>
    </message>
    <message>
        <source>MiddleCenter</source>
        <translation>MitteZentriert</translation>
    </message>
    <message>
        <source>Model space</source>
        <translation>Modellbereich</translation>
    </message>
    <message>
        <source>N-Closed </source>
        <translation>N-geschlossen </translation>
    </message>
    <message>
        <source>Non-Linear</source>
        <translation>Nicht linear</translation>
    </message>
    <message>
        <source>Non-Periodic, </source>
        <translation>Nicht periodisch, </translation>
    </message>
    <message>
        <source>Non-Rational, </source>
        <translation>Nicht rational, </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Open, </source>
        <translation>Offen, </translation>
    </message>
    <message>
        <source>Paper space</source>
        <translation>Papierbereich</translation>
    </message>
    <message>
        <source>Planar, </source>
        <translation>Eben, </translation>
    </message>
    <message>
        <source>TopLeft</source>
        <translation>ObenLinks</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>aligned</source>
        <translation>ausgerichtet</translation>
    </message>
    <message>
        <source>angular</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>arc</source>
        <translation>Bogen</translation>
    </message>
    <message>
        <source>constant </source>
        <translation>konstant </translation>
    </message>
    <message>
        <source>diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>invisible </source>
        <translation>unsichtbar </translation>
    </message>
    <message>
        <source>jogged</source>
        <translation>verkürzt</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>ordinate</source>
        <translation>Koordinate</translation>
    </message>
    <message>
        <source>preset</source>
        <translation>voreingestellt</translation>
    </message>
    <message>
        <source>radial</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>rotated</source>
        <translation>gedreht</translation>
    </message>
    <message>
        <source>verify </source>
        <translation>prüfen </translation>
    </message>
</context>
<context>
    <name>property_descriptions</name>
    <message>
        <source>Specifies the BlockAttribute value.</source>
        <translation>Legt den Wert des Blockattributs fest.</translation>
    </message>
</context>
<context>
    <name>property_groups</name>
    <message>
        <source>Alternate UnitSystem</source>
        <translation>Alternativeinheiten</translation>
    </message>
    <message>
        <source>Attenuation</source>
        <translation>Lichtabnahme</translation>
    </message>
    <message>
        <source>BlockAttributes</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>CloudSettings</source>
        <translation>Wolkeneinstellungen</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Data Points</source>
        <translation>Datenpunkte</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Geometry</source>
        <translation>Geometrie</translation>
    </message>
    <message>
        <source>Image Adjust</source>
        <translation>Bildanpassung</translation>
    </message>
    <message>
        <source>Lines &amp;&amp; Arrows</source>
        <translation>Linien &amp;&amp; Pfeile</translation>
    </message>
    <message>
        <source>Mesh</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Verschiedenes</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Primary UnitSystem</source>
        <translation>Primäreinheiten</translation>
    </message>
    <message>
        <source>Render Shadow Details</source>
        <translation>Schattendetails</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Toleranzen</translation>
    </message>
    <message>
        <source>Underlay Adjust</source>
        <translation>Unterlagenanpassung</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
</context>
<context>
    <name>property_types</name>
    <message>
        <source>Adjusted for background</source>
        <translation>An Hintergrund angepasst</translation>
    </message>
    <message>
        <source>Alt enabled</source>
        <translation>Alt. Einheiten aktiviert</translation>
    </message>
    <message>
        <source>Alt format</source>
        <translation>Alt. Format</translation>
    </message>
    <message>
        <source>Alt precision</source>
        <translation>Alt. Genauigkeit</translation>
    </message>
    <message>
        <source>Alt prefix</source>
        <translation>Alt. Präfix</translation>
    </message>
    <message>
        <source>Alt round</source>
        <translation>Alt. Rundung</translation>
    </message>
    <message>
        <source>Alt scale</source>
        <translation>Alt. Maßstab</translation>
    </message>
    <message>
        <source>Alt suffix</source>
        <translation>Alt. Suffix</translation>
    </message>
    <message>
        <source>Alt suppress leading zeros</source>
        <translation>Alt. führende Nullen unterdrücken</translation>
    </message>
    <message>
        <source>Alt suppress trailing zeros</source>
        <translation>Alt. nachfolgende Nullen unterdrücken</translation>
    </message>
    <message>
        <source>Alt suppress zeros feet</source>
        <translation>Alt. Null Fuß unterdrücken</translation>
    </message>
    <message>
        <source>Alt suppress zeros inches</source>
        <translation>Alt. Null Zoll unterdrücken</translation>
    </message>
    <message>
        <source>Alt tolerance precision</source>
        <translation>Alt. Toleranzgenauigkeit</translation>
    </message>
    <message>
        <source>Alt tolerance suppress leading zeros</source>
        <translation>Alt. Toleranz führende Nullen unterdrücken</translation>
    </message>
    <message>
        <source>Alt tolerance suppress trailing zeros</source>
        <translation>Alt. Toleranz nachfolgende Nullen unterdrücken</translation>
    </message>
    <message>
        <source>Alt tolerance suppress zero feet</source>
        <translation>Alt. Toleranz Null Fuß unterdrücken</translation>
    </message>
    <message>
        <source>Alt tolerance suppress zero inches</source>
        <translation>Alt. Toleranz Null Zoll unterdrücken</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Angle format</source>
        <translation>Winkelformat</translation>
    </message>
    <message>
        <source>Angle of revolution</source>
        <translation>Rotationswinkel</translation>
    </message>
    <message>
        <source>Angle precision</source>
        <translation>Winkelgenauigkeit</translation>
    </message>
    <message>
        <source>Arc Length</source>
        <translation>Bogenlänge</translation>
    </message>
    <message>
        <source>Arc length symbol</source>
        <translation>Bogenlängensymbol</translation>
    </message>
    <message>
        <source>Arc offset</source>
        <translation>Bogenabstand</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Arrow 1</source>
        <translation>Pfeil 1</translation>
    </message>
    <message>
        <source>Arrow 2</source>
        <translation>Pfeil 2</translation>
    </message>
    <message>
        <source>Arrow size</source>
        <translation>Pfeilgröße</translation>
    </message>
    <message>
        <source>Associative</source>
        <translation>Assoziativ</translation>
    </message>
    <message>
        <source>Axis direction X</source>
        <translation>Achsrichtung X</translation>
    </message>
    <message>
        <source>Axis direction Y</source>
        <translation>Achsrichtung Y</translation>
    </message>
    <message>
        <source>Axis direction Z</source>
        <translation>Achsrichtung Z</translation>
    </message>
    <message>
        <source>Axis position X</source>
        <translation>Achsposition X</translation>
    </message>
    <message>
        <source>Axis position Y</source>
        <translation>Achsposition Y</translation>
    </message>
    <message>
        <source>Axis position Z</source>
        <translation>Achsposition Z</translation>
    </message>
    <message>
        <source>Background mask</source>
        <translation>Hintergrundmaske</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Neigung</translation>
    </message>
    <message>
        <source>Base Radius</source>
        <translation>Basisradius</translation>
    </message>
    <message>
        <source>Base point X</source>
        <translation>Basispunkt X</translation>
    </message>
    <message>
        <source>Base point Y</source>
        <translation>Basispunkt Y</translation>
    </message>
    <message>
        <source>Base point Z</source>
        <translation>Basispunkt Z</translation>
    </message>
    <message>
        <source>Block Unit Scale</source>
        <translation>Blockeinheitenmaßstab</translation>
    </message>
    <message>
        <source>Block UnitScale</source>
        <translation>Block-Einheitenmaßstab</translation>
    </message>
    <message>
        <source>Block UnitSystem</source>
        <translation>Block-Einheitensystem</translation>
    </message>
    <message>
        <source>Block Units</source>
        <translation>Blockeinheiten</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>CCS per viewport</source>
        <translation>BKS pro Ansichtsfenster</translation>
    </message>
    <message>
        <source>Center X</source>
        <translation>Mittelpunkt X</translation>
    </message>
    <message>
        <source>Center Y</source>
        <translation>Mittelpunkt Y</translation>
    </message>
    <message>
        <source>Center Z</source>
        <translation>Mittelpunkt Z</translation>
    </message>
    <message>
        <source>Center location override X</source>
        <translation>Mittelpunktüberschreibung X</translation>
    </message>
    <message>
        <source>Center location override Y</source>
        <translation>Mittelpunktüberschreibung Y</translation>
    </message>
    <message>
        <source>Center x</source>
        <translation>Mittelpunkt x</translation>
    </message>
    <message>
        <source>Center y</source>
        <translation>Mittelpunkt y</translation>
    </message>
    <message>
        <source>Center z</source>
        <translation>Mittelpunkt z</translation>
    </message>
    <message>
        <source>CenterMark</source>
        <translation>Mittelpunktmarkierung</translation>
    </message>
    <message>
        <source>CenterMark size</source>
        <translation>Größe der Mittelpunktmarkierung</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Char spacing</source>
        <translation>Zeichenabstand</translation>
    </message>
    <message>
        <source>Circumference</source>
        <translation>Kreisumfang</translation>
    </message>
    <message>
        <source>Clipped</source>
        <translation>Zugeschnitten</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>Geschlossen</translation>
    </message>
    <message>
        <source>Color 1</source>
        <translation>Farbe 1</translation>
    </message>
    <message>
        <source>Color 2</source>
        <translation>Farbe 2</translation>
    </message>
    <message>
        <source>Column spacing</source>
        <translation>Spaltenabstand</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>Konstant</translation>
    </message>
    <message>
        <source>Constrain</source>
        <translation>Beschränkung</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Control point</source>
        <translation>Kontrollpunkt</translation>
    </message>
    <message>
        <source>Control point X</source>
        <translation>Kontrollpunkt X</translation>
    </message>
    <message>
        <source>Control point Y</source>
        <translation>Kontrollpunkt Y</translation>
    </message>
    <message>
        <source>Control point Z</source>
        <translation>Kontrollpunkt Z</translation>
    </message>
    <message>
        <source>Custom scale</source>
        <translation>Benutzerdefinierter Maßstab</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>Dezimaltrennzeichen</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Delta X</source>
        <translation>Delta X</translation>
    </message>
    <message>
        <source>Delta Y</source>
        <translation>Delta Y</translation>
    </message>
    <message>
        <source>Delta Z</source>
        <translation>Delta Z</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>Dim UnitSystem</source>
        <translation>Bemaßungseinheiten</translation>
    </message>
    <message>
        <source>Dim line 1</source>
        <translation>Maß-Linie 1</translation>
    </message>
    <message>
        <source>Dim line 2</source>
        <translation>Maß-Linie 2</translation>
    </message>
    <message>
        <source>Dim line forced</source>
        <translation>Maß-Linie erzwungen</translation>
    </message>
    <message>
        <source>Dim prefix</source>
        <translation>Bemaßungspräfix</translation>
    </message>
    <message>
        <source>Dim roundoff</source>
        <translation>Bemaßungsrundung</translation>
    </message>
    <message>
        <source>Dim scale linear</source>
        <translation>Linearer Bemaßungsfaktor</translation>
    </message>
    <message>
        <source>Dim scale overall</source>
        <translation>Gesamtbemaßungsfaktor</translation>
    </message>
    <message>
        <source>Dim style</source>
        <translation>Bemaßungs-Stil</translation>
    </message>
    <message>
        <source>Dim suffix</source>
        <translation>Bemaßungssuffix</translation>
    </message>
    <message>
        <source>DimLine</source>
        <translation>Maßlinie</translation>
    </message>
    <message>
        <source>DimLine </source>
        <translation>Maßlinie </translation>
    </message>
    <message>
        <source>DimLine 1</source>
        <translation>Maßlinie 1</translation>
    </message>
    <message>
        <source>DimLine 2</source>
        <translation>Maßlinie 2</translation>
    </message>
    <message>
        <source>DimLine LColor</source>
        <translation>Maßlinienfarbe</translation>
    </message>
    <message>
        <source>DimLine LStyle</source>
        <translation>Maßlinientyp</translation>
    </message>
    <message>
        <source>DimLine LWeight</source>
        <translation>Maßlinienstärke</translation>
    </message>
    <message>
        <source>DimLine forced</source>
        <translation>Maßlinie erzwungen</translation>
    </message>
    <message>
        <source>DimLine inside</source>
        <translation>Maßlinie innen</translation>
    </message>
    <message>
        <source>DimScale overall</source>
        <translation>Gesamtmaßstab</translation>
    </message>
    <message>
        <source>DimStyle</source>
        <translation>Bemaßungsstil</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Direction vector X</source>
        <translation>Richtungsvektor X</translation>
    </message>
    <message>
        <source>Direction vector Y</source>
        <translation>Richtungsvektor Y</translation>
    </message>
    <message>
        <source>Direction vector Z</source>
        <translation>Richtungsvektor Z</translation>
    </message>
    <message>
        <source>Direction x</source>
        <translation>Richtung x</translation>
    </message>
    <message>
        <source>Direction y</source>
        <translation>Richtung y</translation>
    </message>
    <message>
        <source>Direction z</source>
        <translation>Richtung z</translation>
    </message>
    <message>
        <source>Display locked</source>
        <translation>Anzeige gesperrt</translation>
    </message>
    <message>
        <source>Edge 1</source>
        <translation>Kante 1</translation>
    </message>
    <message>
        <source>Edge 2</source>
        <translation>Kante 2</translation>
    </message>
    <message>
        <source>Edge 3</source>
        <translation>Kante 3</translation>
    </message>
    <message>
        <source>Edge 4</source>
        <translation>Kante 4</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Erhebung</translation>
    </message>
    <message>
        <source>End Angle</source>
        <translation>End-Winkel</translation>
    </message>
    <message>
        <source>End X</source>
        <translation>Endpunkt X</translation>
    </message>
    <message>
        <source>End Y</source>
        <translation>Endpunkt Y</translation>
    </message>
    <message>
        <source>End Z</source>
        <translation>Endpunkt Z</translation>
    </message>
    <message>
        <source>End angle</source>
        <translation>Endwinkel</translation>
    </message>
    <message>
        <source>End limit offset</source>
        <translation>Endbegrenzungsabstand</translation>
    </message>
    <message>
        <source>End segment width</source>
        <translation>Endsegmentbreite</translation>
    </message>
    <message>
        <source>End tangent vector X</source>
        <translation>Endtangentenvektor X</translation>
    </message>
    <message>
        <source>End tangent vector Y</source>
        <translation>Endtangentenvektor Y</translation>
    </message>
    <message>
        <source>End tangent vector Z</source>
        <translation>Endtangentenvektor Z</translation>
    </message>
    <message>
        <source>Ext line </source>
        <translation>Hilfslinie </translation>
    </message>
    <message>
        <source>ExtLine 1</source>
        <translation>Hilfslinie 1</translation>
    </message>
    <message>
        <source>ExtLine 1 LStyle</source>
        <translation>Linientyp Hilfslinie 1</translation>
    </message>
    <message>
        <source>ExtLine 2</source>
        <translation>Hilfslinie 2</translation>
    </message>
    <message>
        <source>ExtLine 2 LStyle</source>
        <translation>Linientyp Hilfslinie 2</translation>
    </message>
    <message>
        <source>ExtLine LColor</source>
        <translation>Hilfslinienfarbe</translation>
    </message>
    <message>
        <source>ExtLine LStyle</source>
        <translation>Hilfslinientyp</translation>
    </message>
    <message>
        <source>ExtLine LWeight</source>
        <translation>Hilfslinienstärke</translation>
    </message>
    <message>
        <source>ExtLine ext</source>
        <translation>Hilfslinienverlängerung</translation>
    </message>
    <message>
        <source>ExtLine fixed</source>
        <translation>Hilfslinie fest</translation>
    </message>
    <message>
        <source>ExtLine fixed length</source>
        <translation>Feste Hilfslinienlänge</translation>
    </message>
    <message>
        <source>ExtLine offset</source>
        <translation>Hilfslinienabstand</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Verblassen</translation>
    </message>
    <message>
        <source>Fill color</source>
        <translation>Füllfarbe</translation>
    </message>
    <message>
        <source>Filter color</source>
        <translation>Filterfarbe</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Fit point</source>
        <translation>Anpassungspunkt</translation>
    </message>
    <message>
        <source>Fit point X</source>
        <translation>Anpassungspunkt X</translation>
    </message>
    <message>
        <source>Fit point Y</source>
        <translation>Anpassungspunkt Y</translation>
    </message>
    <message>
        <source>Fit point Z</source>
        <translation>Anpassungspunkt Z</translation>
    </message>
    <message>
        <source>Fit tolerance</source>
        <translation>Anpassungstoleranz</translation>
    </message>
    <message>
        <source>Fit/Smooth</source>
        <translation>Kurvenglättung</translation>
    </message>
    <message>
        <source>Fractional type</source>
        <translation>Bruchtyp</translation>
    </message>
    <message>
        <source>Global width</source>
        <translation>Globale Breite</translation>
    </message>
    <message>
        <source>Gradient Angle</source>
        <translation>Verlaufswinkel</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Hyperlink</source>
        <translation>Hyperlink</translation>
    </message>
    <message>
        <source>Intensity factor</source>
        <translation>Intensitätsfaktor</translation>
    </message>
    <message>
        <source>Internal region detection</source>
        <translation>Inselerkennung</translation>
    </message>
    <message>
        <source>Invisible</source>
        <translation>Unsichtbar</translation>
    </message>
    <message>
        <source>Jog angle</source>
        <translation>Verkürzungswinkel</translation>
    </message>
    <message>
        <source>Jog location X</source>
        <translation>Verkürzungsposition X</translation>
    </message>
    <message>
        <source>Jog location Y</source>
        <translation>Verkürzungsposition Y</translation>
    </message>
    <message>
        <source>Justify</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Layer</translation>
    </message>
    <message>
        <source>Layer display override</source>
        <translation>Layer-Anzeigeüberschreibung</translation>
    </message>
    <message>
        <source>Left offset</source>
        <translation>Linker Abstand</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Line space distance</source>
        <translation>Zeilenabstand</translation>
    </message>
    <message>
        <source>Line space factor</source>
        <translation>Zeilenabstandsfaktor</translation>
    </message>
    <message>
        <source>Line space style</source>
        <translation>Zeilenabstandsstil</translation>
    </message>
    <message>
        <source>LineColor</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>LineScale</source>
        <translation>Linientypfaktor</translation>
    </message>
    <message>
        <source>LineStyle</source>
        <translation>Linientyp</translation>
    </message>
    <message>
        <source>LineStyleGen</source>
        <translation>Linientypgenerierung</translation>
    </message>
    <message>
        <source>LineWeight</source>
        <translation>Linienstärke</translation>
    </message>
    <message>
        <source>Linked to sheet view</source>
        <translation>Mit Planansicht verknüpft</translation>
    </message>
    <message>
        <source>Lock aspect ratio</source>
        <translation>Seitenverhältnis sperren</translation>
    </message>
    <message>
        <source>Lock position</source>
        <translation>Position sperren</translation>
    </message>
    <message>
        <source>M closed</source>
        <translation>M geschlossen</translation>
    </message>
    <message>
        <source>M density</source>
        <translation>M-Dichte</translation>
    </message>
    <message>
        <source>M vertex count</source>
        <translation>M-Scheitelpunktanzahl</translation>
    </message>
    <message>
        <source>Major axis vector X</source>
        <translation>Hauptachsenvektor X</translation>
    </message>
    <message>
        <source>Major axis vector Y</source>
        <translation>Hauptachsenvektor Y</translation>
    </message>
    <message>
        <source>Major axis vector Z</source>
        <translation>Hauptachsenvektor Z</translation>
    </message>
    <message>
        <source>Major radius</source>
        <translation>Hauptradius</translation>
    </message>
    <message>
        <source>Map size</source>
        <translation>Kartengröße</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Messwert</translation>
    </message>
    <message>
        <source>Minor axis vector X</source>
        <translation>Nebenachsenvektor X</translation>
    </message>
    <message>
        <source>Minor axis vector Y</source>
        <translation>Nebenachsenvektor Y</translation>
    </message>
    <message>
        <source>Minor axis vector Z</source>
        <translation>Nebenachsenvektor Z</translation>
    </message>
    <message>
        <source>Minor radius</source>
        <translation>Nebenradius</translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation>Modellname</translation>
    </message>
    <message>
        <source>Monochrome</source>
        <translation>Monochrom</translation>
    </message>
    <message>
        <source>N closed</source>
        <translation>N geschlossen</translation>
    </message>
    <message>
        <source>N density</source>
        <translation>N-Dichte</translation>
    </message>
    <message>
        <source>N vertex count</source>
        <translation>N-Scheitelpunktanzahl</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Normal X</source>
        <translation>Normale X</translation>
    </message>
    <message>
        <source>Normal Y</source>
        <translation>Normale Y</translation>
    </message>
    <message>
        <source>Normal Z</source>
        <translation>Normale Z</translation>
    </message>
    <message>
        <source>Normal x</source>
        <translation>Normale x</translation>
    </message>
    <message>
        <source>Normal y</source>
        <translation>Normale y</translation>
    </message>
    <message>
        <source>Normal z</source>
        <translation>Normale z</translation>
    </message>
    <message>
        <source>Number of Cross sections</source>
        <translation>Anzahl Querschnitte</translation>
    </message>
    <message>
        <source>Number of Guide curves</source>
        <translation>Anzahl Führungskurven</translation>
    </message>
    <message>
        <source>Number of control points</source>
        <translation>Anzahl Kontrollpunkte</translation>
    </message>
    <message>
        <source>Number of faces</source>
        <translation>Anzahl Flächen</translation>
    </message>
    <message>
        <source>Number of fit points</source>
        <translation>Anzahl Anpassungspunkte</translation>
    </message>
    <message>
        <source>Number of vertices</source>
        <translation>Anzahl Scheitelpunkte</translation>
    </message>
    <message>
        <source>Obliquing</source>
        <translation>Neigungswinkel</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>On/Off Status</source>
        <translation>Ein/Aus-Status</translation>
    </message>
    <message>
        <source>Origin X</source>
        <translation>Ursprung X</translation>
    </message>
    <message>
        <source>Origin Y</source>
        <translation>Ursprung Y</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>Seitennummer</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Pattern name</source>
        <translation>Mustername</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>Umfang</translation>
    </message>
    <message>
        <source>Planar</source>
        <translation>Eben</translation>
    </message>
    <message>
        <source>Position X</source>
        <translation>Position X</translation>
    </message>
    <message>
        <source>Position Y</source>
        <translation>Position Y</translation>
    </message>
    <message>
        <source>Position Z</source>
        <translation>Position Z</translation>
    </message>
    <message>
        <source>Position x</source>
        <translation>Position x</translation>
    </message>
    <message>
        <source>Position y</source>
        <translation>Position y</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Voreinstellung</translation>
    </message>
    <message>
        <source>Print glyph</source>
        <translation>Symbol plotten</translation>
    </message>
    <message>
        <source>Print quality</source>
        <translation>Plotqualität</translation>
    </message>
    <message>
        <source>PrintStyle</source>
        <translation>Plotstil</translation>
    </message>
    <message>
        <source>Profile rotation</source>
        <translation>Profildrehung</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Eingabeaufforderung</translation>
    </message>
    <message>
        <source>RLine justification</source>
        <translation>Multilinienausrichtung</translation>
    </message>
    <message>
        <source>RLine scale</source>
        <translation>Multilinienmaßstab</translation>
    </message>
    <message>
        <source>RLineStyle</source>
        <translation>Multilinienstil</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Radius ratio</source>
        <translation>Radienverhältnis</translation>
    </message>
    <message>
        <source>Right offset</source>
        <translation>Rechter Abstand</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>Roundoff</source>
        <translation>Rundung</translation>
    </message>
    <message>
        <source>Row spacing</source>
        <translation>Reihenabstand</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Maßstab</translation>
    </message>
    <message>
        <source>Scale X</source>
        <translation>Skalierung X</translation>
    </message>
    <message>
        <source>Scale Y</source>
        <translation>Skalierung Y</translation>
    </message>
    <message>
        <source>Scale Z</source>
        <translation>Skalierung Z</translation>
    </message>
    <message>
        <source>Scale along path</source>
        <translation>Entlang Pfad skalieren</translation>
    </message>
    <message>
        <source>Scale height %</source>
        <translation>Höhe skalieren %</translation>
    </message>
    <message>
        <source>Scale width %</source>
        <translation>Breite skalieren %</translation>
    </message>
    <message>
        <source>Second point X</source>
        <translation>Zweiter Punkt X</translation>
    </message>
    <message>
        <source>Second point Y</source>
        <translation>Zweiter Punkt Y</translation>
    </message>
    <message>
        <source>Second point Z</source>
        <translation>Zweiter Punkt Z</translation>
    </message>
    <message>
        <source>Shade print</source>
        <translation>Schattierter Plot</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Show clipped</source>
        <translation>Zugeschnitten anzeigen</translation>
    </message>
    <message>
        <source>Show image</source>
        <translation>Bild anzeigen</translation>
    </message>
    <message>
        <source>Show underlay</source>
        <translation>Unterlage anzeigen</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Softness</source>
        <translation>Weichheit</translation>
    </message>
    <message>
        <source>Source application</source>
        <translation>Quellanwendung</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Standard scale</source>
        <translation>Standardmaßstab</translation>
    </message>
    <message>
        <source>Start Angle</source>
        <translation>Start-Winkel</translation>
    </message>
    <message>
        <source>Start X</source>
        <translation>Startpunkt X</translation>
    </message>
    <message>
        <source>Start Y</source>
        <translation>Startpunkt Y</translation>
    </message>
    <message>
        <source>Start Z</source>
        <translation>Startpunkt Z</translation>
    </message>
    <message>
        <source>Start angle</source>
        <translation>Startwinkel</translation>
    </message>
    <message>
        <source>Start limit offset</source>
        <translation>Startbegrenzungsabstand</translation>
    </message>
    <message>
        <source>Start segment width</source>
        <translation>Startsegmentbreite</translation>
    </message>
    <message>
        <source>Start tangent vector X</source>
        <translation>Starttangentenvektor X</translation>
    </message>
    <message>
        <source>Start tangent vector Y</source>
        <translation>Starttangentenvektor Y</translation>
    </message>
    <message>
        <source>Start tangent vector Z</source>
        <translation>Starttangentenvektor Z</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Suppress leading zeros</source>
        <translation>Führende Nullen unterdrücken</translation>
    </message>
    <message>
        <source>Suppress trailing zeros</source>
        <translation>Nachfolgende Nullen unterdrücken</translation>
    </message>
    <message>
        <source>Suppress zero feet</source>
        <translation>Null Fuß unterdrücken</translation>
    </message>
    <message>
        <source>Suppress zero inches</source>
        <translation>Null Zoll unterdrücken</translation>
    </message>
    <message>
        <source>Surface Type</source>
        <translation>Flächen-Typ</translation>
    </message>
    <message>
        <source>Surface normals</source>
        <translation>Flächennormalen</translation>
    </message>
    <message>
        <source>Surface type</source>
        <translation>Flächentyp</translation>
    </message>
    <message>
        <source>Table height</source>
        <translation>Tabellenhöhe</translation>
    </message>
    <message>
        <source>Table width</source>
        <translation>Tabellenbreite</translation>
    </message>
    <message>
        <source>TableStyle</source>
        <translation>Tabellenstil</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Bezeichner</translation>
    </message>
    <message>
        <source>Taper angle</source>
        <translation>Verjüngungswinkel</translation>
    </message>
    <message>
        <source>Target X</source>
        <translation>Ziel X</translation>
    </message>
    <message>
        <source>Target Y</source>
        <translation>Ziel Y</translation>
    </message>
    <message>
        <source>Target Z</source>
        <translation>Ziel Z</translation>
    </message>
    <message>
        <source>Targeted</source>
        <translation>Mit Ziel</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Text Height</source>
        <translation>Text-Höhe</translation>
    </message>
    <message>
        <source>Text alignment X</source>
        <translation>Textausrichtung X</translation>
    </message>
    <message>
        <source>Text alignment Y</source>
        <translation>Textausrichtung Y</translation>
    </message>
    <message>
        <source>Text alignment Z</source>
        <translation>Textausrichtung Z</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Text height</source>
        <translation>Texthöhe</translation>
    </message>
    <message>
        <source>Text inside</source>
        <translation>Text innen</translation>
    </message>
    <message>
        <source>Text inside align</source>
        <translation>Text innen ausrichten</translation>
    </message>
    <message>
        <source>Text movement</source>
        <translation>Textverschiebung</translation>
    </message>
    <message>
        <source>Text offset</source>
        <translation>Textabstand</translation>
    </message>
    <message>
        <source>Text outside align</source>
        <translation>Text außen ausrichten</translation>
    </message>
    <message>
        <source>Text override</source>
        <translation>Textüberschreibung</translation>
    </message>
    <message>
        <source>Text pos hor</source>
        <translation>Textposition horizontal</translation>
    </message>
    <message>
        <source>Text pos vert</source>
        <translation>Textposition vertikal</translation>
    </message>
    <message>
        <source>TextStyle</source>
        <translation>Textstil</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Objekthöhe</translation>
    </message>
    <message>
        <source>Tolerance display</source>
        <translation>Toleranzanzeige</translation>
    </message>
    <message>
        <source>Tolerance limit lower</source>
        <translation>Untere Toleranzgrenze</translation>
    </message>
    <message>
        <source>Tolerance limit upper</source>
        <translation>Obere Toleranzgrenze</translation>
    </message>
    <message>
        <source>Tolerance pos vert</source>
        <translation>Toleranzposition vertikal</translation>
    </message>
    <message>
        <source>Tolerance precision</source>
        <translation>Toleranzgenauigkeit</translation>
    </message>
    <message>
        <source>Tolerance suppress leading zeros</source>
        <translation>Toleranz führende Nullen unterdrücken</translation>
    </message>
    <message>
        <source>Tolerance suppress trailing zeros</source>
        <translation>Toleranz nachfolgende Nullen unterdrücken</translation>
    </message>
    <message>
        <source>Tolerance suppress zero feet</source>
        <translation>Toleranz Null Fuß unterdrücken</translation>
    </message>
    <message>
        <source>Tolerance suppress zero inches</source>
        <translation>Toleranz Null Zoll unterdrücken</translation>
    </message>
    <message>
        <source>Tolerance text height</source>
        <translation>Toleranztexthöhe</translation>
    </message>
    <message>
        <source>Top Radius</source>
        <translation>Oberer Radius</translation>
    </message>
    <message>
        <source>Total Angle</source>
        <translation>Gesamtwinkel</translation>
    </message>
    <message>
        <source>Total Length</source>
        <translation>Gesamtlänge</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>Turn Height</source>
        <translation>Windungshöhe</translation>
    </message>
    <message>
        <source>Turn Slope</source>
        <translation>Windungssteigung</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Windungen</translation>
    </message>
    <message>
        <source>Twist</source>
        <translation>Verdrehung</translation>
    </message>
    <message>
        <source>Twist along path</source>
        <translation>Verdrehung entlang Pfad</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>U isolines</source>
        <translation>U-Isolinien</translation>
    </message>
    <message>
        <source>UpsideDown</source>
        <translation>Kopfstehend</translation>
    </message>
    <message>
        <source>Use limits</source>
        <translation>Grenzen verwenden</translation>
    </message>
    <message>
        <source>V isolines</source>
        <translation>V-Isolinien</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Vertex</source>
        <translation>Scheitelpunkt</translation>
    </message>
    <message>
        <source>Vertex X</source>
        <translation>Scheitelpunkt X</translation>
    </message>
    <message>
        <source>Vertex Y</source>
        <translation>Scheitelpunkt Y</translation>
    </message>
    <message>
        <source>Vertex Z</source>
        <translation>Scheitelpunkt Z</translation>
    </message>
    <message>
        <source>Vertex x</source>
        <translation>Scheitelpunkt x</translation>
    </message>
    <message>
        <source>Vertex y</source>
        <translation>Scheitelpunkt y</translation>
    </message>
    <message>
        <source>Vertex z</source>
        <translation>Scheitelpunkt z</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Width factor</source>
        <translation>Breitenfaktor</translation>
    </message>
</context>
<context>
    <name>property_values</name>
    <message>
        <source>Above</source>
        <translation>Oberhalb</translation>
    </message>
    <message>
        <source>Above Dimension Text</source>
        <translation>Über dem Bemaßungstext</translation>
    </message>
    <message>
        <source>Aligned</source>
        <translation>Ausgerichtet</translation>
    </message>
    <message>
        <source>All normal</source>
        <translation>Alle normal</translation>
    </message>
    <message>
        <source>Architectural</source>
        <translation>Architektonisch</translation>
    </message>
    <message>
        <source>Architectural (stacked)</source>
        <translation>Architektonisch (gestapelt)</translation>
    </message>
    <message>
        <source>Architectural tick</source>
        <translation>Architektonische Markierung</translation>
    </message>
    <message>
        <source>Arrows only</source>
        <translation>Nur Pfeile</translation>
    </message>
    <message>
        <source>As displayed</source>
        <translation>Wie angezeigt</translation>
    </message>
    <message>
        <source>At least</source>
        <translation>Mindestens</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Grundtoleranz</translation>
    </message>
    <message>
        <source>Best fit</source>
        <translation>Beste Anpassung</translation>
    </message>
    <message>
        <source>Bezier</source>
        <translation>Bézier</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Bottom Center</source>
        <translation>Unten Zentriert</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Unten Links</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Unten Rechts</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Kasten</translation>
    </message>
    <message>
        <source>Box filled</source>
        <translation>Kasten gefüllt</translation>
    </message>
    <message>
        <source>ByStyle</source>
        <translation>VonStil</translation>
    </message>
    <message>
        <source>CCW</source>
        <translation>Gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>Im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentrum</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>Geschlossen</translation>
    </message>
    <message>
        <source>Closed blank</source>
        <translation>Geschlossen leer</translation>
    </message>
    <message>
        <source>Closed filled</source>
        <translation>Geschlossen gefüllt</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>Kubisch</translation>
    </message>
    <message>
        <source>Curve fit</source>
        <translation>Kurvenangleichung</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Custom arrow</source>
        <translation>Benutzerdefinierter Pfeil</translation>
    </message>
    <message>
        <source>Custom scale</source>
        <translation>Benutzerdefinierter Maßstab</translation>
    </message>
    <message>
        <source>Datum triangle</source>
        <translation>Bezugsdreieck</translation>
    </message>
    <message>
        <source>Datum triangle filled</source>
        <translation>Bezugsdreieck gefüllt</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Dezimal</translation>
    </message>
    <message>
        <source>Decimal degrees</source>
        <translation>Dezimalgrad</translation>
    </message>
    <message>
        <source>Deg/min/sec</source>
        <translation>Grad/Min/Sek</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Abweichung</translation>
    </message>
    <message>
        <source>Diagonal</source>
        <translation>Diagonal</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Dot</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Dot blank</source>
        <translation>Punkt leer</translation>
    </message>
    <message>
        <source>Dot small</source>
        <translation>Punkt klein</translation>
    </message>
    <message>
        <source>Dot small blank</source>
        <translation>Punkt klein leer</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Embedded</source>
        <translation>Eingebettet</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Ends normal</source>
        <translation>Enden normal</translation>
    </message>
    <message>
        <source>Engineering</source>
        <translation>Ingenieur</translation>
    </message>
    <message>
        <source>Exactly</source>
        <translation>Genau</translation>
    </message>
    <message>
        <source>Extruded</source>
        <translation>Extrudiert</translation>
    </message>
    <message>
        <source>First extension line</source>
        <translation>Erste Hilfslinie</translation>
    </message>
    <message>
        <source>First normal</source>
        <translation>Erste normal</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Flipped</source>
        <translation>Gespiegelt</translation>
    </message>
    <message>
        <source>Fractional</source>
        <translation>Bruch</translation>
    </message>
    <message>
        <source>Fractional (stacked)</source>
        <translation>Bruch (gestapelt)</translation>
    </message>
    <message>
        <source>Gradians</source>
        <translation>Neugrad</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Verdeckt</translation>
    </message>
    <message>
        <source>High graphics</source>
        <translation>Hohe Grafik</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Integral</source>
        <translation>Integral</translation>
    </message>
    <message>
        <source>Inverse Square</source>
        <translation>Umgekehrt quadratisch</translation>
    </message>
    <message>
        <source>JIS</source>
        <translation>JIS</translation>
    </message>
    <message>
        <source>Keep dimline with text</source>
        <translation>Maßlinie mit Text verschieben</translation>
    </message>
    <message>
        <source>Last normal</source>
        <translation>Letzte normal</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Grenzen</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Line with arrow</source>
        <translation>Linie mit Pfeil</translation>
    </message>
    <message>
        <source>Line with no arrow</source>
        <translation>Linie ohne Pfeil</translation>
    </message>
    <message>
        <source>Loft with guide curves</source>
        <translation>Erhebung mit Führungskurven</translation>
    </message>
    <message>
        <source>Low graphics</source>
        <translation>Niedrige Grafik</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Middle Center</source>
        <translation>Mitte Zentriert</translation>
    </message>
    <message>
        <source>Middle Left</source>
        <translation>Mitte Links</translation>
    </message>
    <message>
        <source>Middle Right</source>
        <translation>Mitte Rechts</translation>
    </message>
    <message>
        <source>Monochrome</source>
        <translation>Monochrom</translation>
    </message>
    <message>
        <source>Move text, add leader</source>
        <translation>Text verschieben, Führungslinie hinzufügen</translation>
    </message>
    <message>
        <source>Move text, no leader</source>
        <translation>Text verschieben, keine Führungslinie</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Not flipped</source>
        <translation>Nicht gespiegelt</translation>
    </message>
    <message>
        <source>Not stacked</source>
        <translation>Nicht gestapelt</translation>
    </message>
    <message>
        <source>Oblique</source>
        <translation>Schräg</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Open 30</source>
        <translation>Offen 30</translation>
    </message>
    <message>
        <source>Origin indicator</source>
        <translation>Ursprungsanzeiger</translation>
    </message>
    <message>
        <source>Origin indicator 2</source>
        <translation>Ursprungsanzeiger 2</translation>
    </message>
    <message>
        <source>Outer</source>
        <translation>Äußere</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Außerhalb</translation>
    </message>
    <message>
        <source>Over first extension</source>
        <translation>Über erster Hilfslinie</translation>
    </message>
    <message>
        <source>Over second extension</source>
        <translation>Über zweiter Hilfslinie</translation>
    </message>
    <message>
        <source>Planar</source>
        <translation>Eben</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punktlicht</translation>
    </message>
    <message>
        <source>Preceding Dimension Text</source>
        <translation>Vor dem Bemaßungstext</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>Vordefiniert</translation>
    </message>
    <message>
        <source>Quadratic</source>
        <translation>Quadratisch</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Bogenmaß</translation>
    </message>
    <message>
        <source>Rendered</source>
        <translation>Gerendert</translation>
    </message>
    <message>
        <source>Revolve</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Right angle</source>
        <translation>Rechter Winkel</translation>
    </message>
    <message>
        <source>Ruled</source>
        <translation>Regelfläche</translation>
    </message>
    <message>
        <source>Scaled to fit</source>
        <translation>Auf Größe skaliert</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Wissenschaftlich</translation>
    </message>
    <message>
        <source>Second extension line</source>
        <translation>Zweite Hilfslinie</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Scharf</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Glatt</translation>
    </message>
    <message>
        <source>Soft (shadow map)</source>
        <translation>Weich (Schattenkarte)</translation>
    </message>
    <message>
        <source>Spline with arrow</source>
        <translation>Spline mit Pfeil</translation>
    </message>
    <message>
        <source>Spline with no arrow</source>
        <translation>Spline ohne Pfeil</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlicht</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>Sweep</translation>
    </message>
    <message>
        <source>Symmetrical</source>
        <translation>Symmetrisch</translation>
    </message>
    <message>
        <source>Text and arrows</source>
        <translation>Text und Pfeile</translation>
    </message>
    <message>
        <source>Text only</source>
        <translation>Nur Text</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Top Center</source>
        <translation>Oben Zentriert</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Oben Links</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>Oben Rechts</translation>
    </message>
    <message>
        <source>Turn Height</source>
        <translation>Windungshöhe</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Windungen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Use draft angles</source>
        <translation>Formschrägen verwenden</translation>
    </message>
    <message>
        <source>User-defined</source>
        <translation>Anwenderdefiniert</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Sichtbar</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web-Licht</translation>
    </message>
    <message>
        <source>Windows Desktop</source>
        <translation>Windows-Desktop</translation>
    </message>
    <message>
        <source>Wireframe</source>
        <translation>Drahtmodell</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Null</translation>
    </message>
</context>
</TS>
