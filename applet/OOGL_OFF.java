import java.awt.Color;
import java.io.BufferedReader;
import java.io.IOException;
import java.io.InputStream;
import java.io.InputStreamReader;
import java.io.Reader;
import java.io.StringReader;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.List;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

/**
 * A model read from a text OFF file:
 * <pre>
 * [header]                  OFF, or with prefixes: [ST][C][N][4]OFF
 * nv nf ne                  counts of vertices, faces and edges (edges unused)
 * x y z                     nv vertex lines
 * n i1 ... in [colour]      nf face lines
 * </pre>
 * '#' starts a comment up to the end of the line; blank lines, any whitespace
 * between tokens and CR LF, LF or CR line ends are allowed. The header may be
 * left out. The prefixes ST, C and N add values after x y z on vertex lines,
 * which are ignored; 4 adds a coordinate w that x, y and z are divided by.
 * The n-dimensional "nOFF" and binary OFF are rejected.
 * <p>
 * A face colour has 3 or 4 components (alpha is read but ignored). If all of
 * them are integers and one is greater than 1 they range over 0..255,
 * otherwise over 0..1; the latter are scaled by 255 and rounded half up,
 * so 0.5 becomes 128. Faces without a colour get Face.DEFAULT_COLOR.
 * Face indices are not checked against the vertex count: a viewer skips
 * faces that do not fit (see Face.fitsInto). Lines after the last face are
 * ignored.
 */
public final class OOGL_OFF {
    private static final Pattern HEADER = Pattern.compile("(?:ST)?C?N?(4)?OFF");
    private static final Pattern NUMBER = Pattern.compile("[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?");
    private static final Pattern INTEGER = Pattern.compile("[+-]?\\d+");

    private final double[] vertices; // x, y, z of each vertex in turn
    private final Face[] faces;
    private final double[] min = new double[3];
    private final double[] max = new double[3];

    public OOGL_OFF(InputStream in) throws IOException {
        this(new InputStreamReader(in, StandardCharsets.ISO_8859_1));
    }

    public OOGL_OFF(String text) throws IOException {
        this(new StringReader(text));
    }

    private OOGL_OFF(Reader reader) throws IOException {
        List<String[]> lines = new ArrayList<String[]>();
        List<Integer> numbers = new ArrayList<Integer>(); // file line number of each entry in lines
        readLines(reader, lines, numbers);
        if (lines.isEmpty()) {
            throw new IOException("Datei ist leer");
        }

        int next = 0;
        int coordinates = 3;
        String[] first = lines.get(0);
        if (first[0].endsWith("OFF")) {
            Matcher header = HEADER.matcher(first[0]);
            if (first.length > 1 || !header.matches()) {
                throw error(numbers.get(0), "Kopfzeile '" + String.join(" ", first) + "' wird nicht unterst\u00fctzt");
            }
            if (header.group(1) != null) {
                coordinates = 4;
            }
            next = 1;
        }
        if (next == lines.size()) {
            throw error(numbers.get(0), "es fehlt die Zeile mit Eckenzahl, Fl\u00e4chenzahl, Kantenzahl");
        }

        String[] counts = lines.get(next);
        int countLine = numbers.get(next++);
        if (counts.length != 3) {
            throw error(countLine, "erwartet werden Eckenzahl, Fl\u00e4chenzahl, Kantenzahl");
        }
        int vertexCount = count(counts[0], countLine);
        int faceCount = count(counts[1], countLine);
        count(counts[2], countLine); // checked, but the edge count is not needed
        int available = lines.size() - next;
        if (vertexCount > available) {
            throw error(countLine, "Datei hat nur " + available + " von " + vertexCount + " Eckenzeilen");
        }
        if (faceCount > available - vertexCount) {
            throw error(countLine, "Datei hat nur " + (available - vertexCount) + " von " + faceCount
                    + " Fl\u00e4chenzeilen");
        }

        vertices = new double[3 * vertexCount];
        for (int v = 0; v < vertexCount; v++, next++) {
            readVertex(lines.get(next), numbers.get(next), coordinates, v);
        }
        faces = new Face[faceCount];
        for (int f = 0; f < faceCount; f++, next++) {
            faces[f] = readFace(lines.get(next), numbers.get(next));
        }
        computeBounds();
    }

    public int getVertexCount() {
        return vertices.length / 3;
    }

    /** Returns x, y, z of each vertex in turn. */
    public double[] getVertices() {
        return vertices.clone();
    }

    public Face[] getFaces() {
        return faces.clone();
    }

    /** Returns the smallest x, y, z of all vertices (0, 0, 0 without vertices). */
    public double[] getMin() {
        return min.clone();
    }

    /** Returns the largest x, y, z of all vertices (0, 0, 0 without vertices). */
    public double[] getMax() {
        return max.clone();
    }

    /**
     * Splits the text into the tokens of each line that has any, dropping comments.
     * A stream that breaks off is reported with the last line read.
     */
    private static void readLines(Reader reader, List<String[]> lines, List<Integer> numbers) throws IOException {
        BufferedReader in = new BufferedReader(reader);
        int number = 0;
        try {
            for (String line = in.readLine(); line != null; line = in.readLine()) {
                number++;
                int hash = line.indexOf('#');
                String text = (hash < 0 ? line : line.substring(0, hash)).trim();
                if (!text.isEmpty()) {
                    lines.add(text.split("\\s+"));
                    numbers.add(number);
                }
            }
        } catch (IOException e) {
            throw new IOException("Lesefehler nach Zeile " + number, e);
        }
    }

    private void readVertex(String[] tokens, int line, int coordinates, int v) throws IOException {
        if (tokens.length < coordinates) {
            throw error(line, "Ecke braucht " + coordinates + " Koordinaten");
        }
        double w = coordinates == 4 ? number(tokens[3], line) : 1;
        if (w == 0) {
            throw error(line, "w-Koordinate ist 0");
        }
        for (int i = 0; i < 3; i++) {
            vertices[3 * v + i] = number(tokens[i], line) / w;
        }
    }

    private static Face readFace(String[] tokens, int line) throws IOException {
        int n = integer(tokens[0], line);
        if (n < 1) {
            throw error(line, "Fl\u00e4che braucht mindestens eine Ecke");
        }
        if (tokens.length < 1 + n) {
            throw error(line, "Fl\u00e4che nennt weniger als " + n + " Ecken");
        }
        int[] indices = new int[n];
        for (int i = 0; i < n; i++) {
            indices[i] = integer(tokens[1 + i], line);
        }
        int extra = tokens.length - 1 - n;
        if (extra == 0) {
            return new Face(indices, Face.DEFAULT_COLOR);
        }
        if (extra != 3 && extra != 4) {
            throw error(line, "Farbe braucht 3 oder 4 Anteile, nicht " + extra);
        }
        return new Face(indices, readColor(tokens, 1 + n, extra, line));
    }

    private static Color readColor(String[] tokens, int from, int size, int line) throws IOException {
        double[] values = new double[size];
        boolean byteScale = true;
        boolean anyAboveOne = false;
        for (int i = 0; i < size; i++) {
            values[i] = number(tokens[from + i], line);
            byteScale &= INTEGER.matcher(tokens[from + i]).matches();
            anyAboveOne |= values[i] > 1;
        }
        byteScale &= anyAboveOne;
        double limit = byteScale ? 255 : 1;
        int[] rgb = new int[3];
        for (int i = 0; i < size; i++) {
            if (values[i] < 0 || values[i] > limit) {
                throw error(line, "Farbanteil " + tokens[from + i] + " liegt au\u00dferhalb 0.." + (int) limit);
            }
            if (i < 3) {
                rgb[i] = (int) Math.round(byteScale ? values[i] : values[i] * 255);
            }
        }
        return new Color(rgb[0], rgb[1], rgb[2]);
    }

    private void computeBounds() {
        for (int v = 0; v < getVertexCount(); v++) {
            for (int i = 0; i < 3; i++) {
                double value = vertices[3 * v + i];
                min[i] = v == 0 ? value : Math.min(min[i], value);
                max[i] = v == 0 ? value : Math.max(max[i], value);
            }
        }
    }

    private static int count(String token, int line) throws IOException {
        int value = integer(token, line);
        if (value < 0) {
            throw error(line, "Anzahl " + value + " ist negativ");
        }
        return value;
    }

    private static int integer(String token, int line) throws IOException {
        if (!INTEGER.matcher(token).matches()) {
            throw error(line, "keine ganze Zahl: '" + token + "'");
        }
        try {
            return Integer.parseInt(token);
        } catch (NumberFormatException e) {
            throw error(line, "ganze Zahl '" + token + "' ist zu gro\u00df");
        }
    }

    private static double number(String token, int line) throws IOException {
        if (!NUMBER.matcher(token).matches()) {
            throw error(line, "keine Zahl: '" + token + "'");
        }
        double value = Double.parseDouble(token);
        if (Double.isInfinite(value)) {
            throw error(line, "Zahl '" + token + "' ist zu gro\u00df");
        }
        return value;
    }

    private static IOException error(int line, String message) {
        return new IOException("Zeile " + line + ": " + message);
    }
}
